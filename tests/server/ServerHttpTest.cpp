#include "ServerTest.h"

namespace {

using ServerHttpTest = ServerTest;

TEST_P(ServerHttpTest, StatisticsScriptAnswersTheGame) {
    EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + Secret), "1");
    EXPECT_EQ(report(), "1");
    EXPECT_EQ(get("/stats.php?mode=stats&id=42&pw=" + Secret +
                  "&highscore=1&win=0&GameType=0&level=1&ver=172"),
              "5");
    EXPECT_EQ(get("/stats.php?mode=update&vermajor=1&verminor=8&verrevision=2"), "newver1.9.0");
    EXPECT_EQ(get("/stats.php?mode=update&vermajor=1&verminor=9&verrevision=0"), "FALSE");
    EXPECT_EQ(get("/stats.php?mode=update&vermajor=2&verminor=0&verrevision=2"), "newerver1.9.0");
    EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + MD5("falsch")), "0");
    EXPECT_EQ(report(), "4") << "a failed check slows the next one of that ID down";
}

TEST_P(ServerHttpTest, TheUpdateProgramAndItsSignatureComeFromTheDownloadsFolder) {
    const auto result = client->Get("/downloads/update.exe");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, update);
    EXPECT_EQ(result->get_header_value("Content-Length"), std::to_string(update.size()));
    const std::string signature = get("/downloads/update.exe.sig");
    EXPECT_EQ(signature.size(), 64u);
    get("/downloads/missing.exe", 404);
}

TEST_P(ServerHttpTest, AccountsChangedWhileServingTakeEffectAtOnce) {
    ASSERT_EQ(report(), "1");
    ASSERT_EQ(run({"account", "add", "42", "neu"}), 0);
    EXPECT_EQ(report(), "3");
    ASSERT_EQ(run({"account", "remove", "42"}), 0);
    std::string output;
    EXPECT_EQ(run({"account", "remove", "42"}, &output), 1);
    EXPECT_NE(output.find("no account 42"), std::string::npos) << output;
}

TEST_P(ServerHttpTest, HighscorePageShowsTheReports) {
    ASSERT_EQ(report(), "1");
    const std::string page = get("/index.php?page=highscores");
    EXPECT_NE(page.find("<td>1</td><td>0042</td><td>2400</td>"), std::string::npos) << page;
    EXPECT_NE(page.find("<td>0042</td><td>0 / 0</td><td>0 / 0</td><td>1 / 0</td>"),
              std::string::npos);
    get("/index.php?page=nothing", 404);
    get("/index.php", 404);
}

TEST_P(ServerHttpTest, ServesTheUserGuideShippedBesideIt) {
    const std::string guide = get("/index.php?page=userguide");
    EXPECT_NE(guide.find("<html"), std::string::npos);
    EXPECT_NE(guide.find("Quelta"), std::string::npos);
}

TEST_P(ServerHttpTest, StopsCleanlyWhenAskedToByItsPid) {
    EXPECT_EQ(server->Stop(), 0);
}

QB_ON_BOTH_ENGINES(ServerHttpTest);

} // namespace
