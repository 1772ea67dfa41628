#include "multiplayer/InboundCommand.h"
#include "multiplayer/ProtocolCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(InboundCommandTest, LinesAPlayingProgramSendsAreRead) {
    using namespace ProtocolCommand;
    struct Case {
        const char* line;
        int number, digit, face;
        const char* card;
    };
    const std::vector<Case> cases{
        {"crd057", Crd, 0, 5, "7"},     {"crd1510", Crd, 1, 5, "10"}, {"crd00+3", Crd, 0, 0, "+3"},
        {"crd03-1T", Crd, 0, 3, "-1T"}, {"crd040", Crd, 0, 4, "0"},   {"cva2-4", Cva, 2, 0, "-4"},
        {"cva8+6", Cva, 8, 0, "+6"},    {"wn2", Wn, 2, 0, ""},        {"pc1", Pc, 1, 0, ""},
        {"tn0", Tn, 0, 0, ""},          {"rdy", Rdy, 0, 0, ""},       {"usi", Usi, 0, 0, ""},
        {"stv", Stv, 0, 0, ""},         {"plj", Plj, 0, 0, ""},       {"end", End, 0, 0, ""},
        {"std", Std, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto command = InboundCommand::Parse(QString::fromLatin1(c.line));
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(command->number, c.number);
        EXPECT_EQ(command->digit, c.digit);
        EXPECT_EQ(command->face, c.face);
        EXPECT_EQ(command->card.view(), c.card);
    }
}

TEST(InboundCommandTest, LinesNoPlayingProgramSendsAreNoCommand) {
    for (const char* line :
         {"",        "cr",     "xyz",      "crd",      "crd2510", "crd0610", "crd05", "crd0511",
          "crd05+7", "crd050", "crd00+11", "crd00abc", "crd0x7",  "cva9-4",  "cva-4", "cva2",
          "cva2x",   "wn3",    "wn",       "pc2",      "pcx",     "tn5",     "CRD057"}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(InboundCommand::Parse(QString::fromLatin1(line)).has_value());
    }
}

TEST(InboundCommandTest, NamesAndChatLinesArePlainAndCut) {
    const auto chat =
        InboundCommand::Parse(QStringLiteral("msg[Ann] hi\tthere") + QString(400, u'x'));
    ASSERT_TRUE(chat.has_value());
    EXPECT_EQ(chat->text.size(), InboundCommand::MaxText);
    EXPECT_TRUE(chat->text.startsWith(QStringLiteral("[Ann] hi there")));
    const auto name = InboundCommand::Parse(QStringLiteral("nam<b>Bo</b>"));
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(name->text, QStringLiteral("<b>Bo</b>"));
}

} // namespace
