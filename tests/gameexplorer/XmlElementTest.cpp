#include "XmlElement.h"
#include "GameDefinition.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

TEST(XmlElementTest, ReadsElementsAttributesAndText) {
    const auto root = XmlElement::parse(
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
        "<a:Root xmlns:a=\"urn:x\" one='1' two=\"&quot;2&quot;\">"
        "<Item>fish &amp; chips &#233;&#x20AC;</Item><!-- between --><Item><![CDATA[<raw>]]></Item>"
        "<Empty/></a:Root>\n");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->name(), "Root");
    EXPECT_EQ(root->attribute("one"), "1");
    EXPECT_EQ(root->attribute("two"), "\"2\"");
    EXPECT_EQ(root->attribute("three"), "");
    ASSERT_EQ(root->children().size(), 3u);
    EXPECT_EQ(root->children()[0].text(), "fish & chips \xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(root->children()[1].text(), "<raw>");
    EXPECT_NE(root->child("Empty"), nullptr);
    EXPECT_EQ(root->child("Missing"), nullptr);
}

TEST(XmlElementTest, RefusesDocumentsThatAreNotWellFormed) {
    const char* cases[] = {
        "",
        "<a>",
        "<a></b>",
        "<a><b></a></b>",
        "<a/><b/>",
        "<a/>text",
        "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>",
        "<a>&unknown;</a>",
        "<a>&#0;</a>",
        "<a>&#xD800;</a>",
        "<a>&amp</a>",
        "<a x=1/>",
        "<a x=\"1\" x=\"2\"/>",
        "<a x=\"<\"/>",
        "<a x=\"1\"y=\"2\"/>",
        "<a><!-- open </a>",
        "<a><![CDATA[ open </a>",
        "< a/>",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(XmlElement::parse(text)) << text;
    }
}

TEST(XmlElementTest, RefusesNestingDeeperThanAnyDefinitionFile) {
    std::string deep;
    for (int i = 0; i < 1000; ++i) {
        deep += "<a>";
    }
    for (int i = 0; i < 1000; ++i) {
        deep += "</a>";
    }
    EXPECT_FALSE(XmlElement::parse(deep));
}

TEST(GameDefinitionTest, ReadsTheGamesOwnFile) {
    std::ifstream in(QB_SOURCE_DIR "/gameexplorer/QueltaBrovel.gdf.xml");
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto game = GameDefinition::parse(xml);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->name, "QueltaBrovel");
    EXPECT_EQ(game->gameId.size(), 38u);
    EXPECT_EQ(game->genres, std::vector<std::string>{"Card Games"});
    EXPECT_EQ(game->executables,
              (std::vector<std::string>{"QueltaBrovel.exe", "QueltaBrovelUtility.exe"}));
    EXPECT_EQ(game->programPath(), "QueltaBrovel");
    EXPECT_EQ(game->description.find('\n'), std::string::npos);
}

TEST(GameDefinitionTest, ProgramPathOnThisPlatform) {
    const std::pair<const char*, const char*> cases[] = {
        {"Game.exe", "Game"},
        {"bin\\Game.EXE", "bin/Game"},
        {"game", "game"},
        {".exe", ".exe"},
    };
    for (const auto& [listed, expected] : cases) {
        GameDefinition game;
        game.executables = {listed};
        EXPECT_EQ(game.programPath(), expected) << listed;
    }
}

TEST(GameDefinitionTest, NeedsAnIdANameAndAProgram) {
    const char* head =
        "<GameDefinitionFile xmlns=\"urn:schemas-microsoft-com:GameDescription.v1\">";
    const std::pair<const char*, bool> cases[] = {
        {"<GameDefinition gameID=\"{1}\"><Name> A\n  game </Name><GameExecutables>"
         "<GameExecutable path=\"a.exe\"/></GameExecutables></GameDefinition>",
         true},
        {"<GameDefinition><Name>A</Name><GameExecutables>"
         "<GameExecutable path=\"a.exe\"/></GameExecutables></GameDefinition>",
         false},
        {"<GameDefinition gameID=\"{1}\"><GameExecutables>"
         "<GameExecutable path=\"a.exe\"/></GameExecutables></GameDefinition>",
         false},
        {"<GameDefinition gameID=\"{1}\"><Name>A</Name></GameDefinition>", false},
        {"", false},
    };
    for (const auto& [body, valid] : cases) {
        const auto game = GameDefinition::parse(std::string(head) + body + "</GameDefinitionFile>");
        EXPECT_EQ(game.has_value(), valid) << body;
        if (game) {
            EXPECT_EQ(game->name, "A game");
        }
    }
}

} // namespace
