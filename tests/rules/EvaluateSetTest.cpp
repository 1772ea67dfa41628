#include "TableFixture.h"

namespace {
struct EvaluateCase {
    const char* name;
    std::vector<const char*> player;
    std::vector<const char*> opponent;
    bool playerStands;
    bool opponentStands;
    int lastCardSide;
    int result;
};

class EvaluateSetTest : public TableFixture, public ::testing::WithParamInterface<EvaluateCase> {};

TEST_P(EvaluateSetTest, GivesTheRulesResult) {
    const EvaluateCase& c = GetParam();
    StartWithPlayerToMove();
    Lay(0, c.player);
    Lay(1, c.opponent);
    player().Stand = c.playerStands;
    opponent().Stand = c.opponentStands;
    table.match().LastCardSide = c.lastCardSide;
    EXPECT_EQ(table.rules().EvaluateSet(), c.result);
    EXPECT_TRUE(ports.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Branches, EvaluateSetTest,
    ::testing::Values(
        EvaluateCase{"PlayerOver", {"10", "10", "2"}, {"10", "9"}, false, true, 0, 1},
        EvaluateCase{"OpponentOver", {"10", "5"}, {"10", "10", "1"}, false, false, 1, 0},
        EvaluateCase{"NeitherStands", {"10", "5"}, {"10", "9"}, false, false, 1, 5},
        EvaluateCase{"OnlyOpponentStandsPlayerAhead", {"10", "8"}, {"10", "7"}, false, true, 0, 0},
        EvaluateCase{"OnlyOpponentStandsPlayerLevel", {"10", "7"}, {"10", "7"}, false, true, 0, 3},
        EvaluateCase{"OnlyPlayerStandsOpponentAhead", {"10", "5"}, {"10", "6"}, true, false, 1, 1},
        EvaluateCase{"OnlyPlayerStandsOpponentLevel", {"10", "5"}, {"10", "5"}, true, false, 1, 4},
        EvaluateCase{"BothStandPlayerHigher", {"10", "9"}, {"10", "8"}, true, true, 1, 0},
        EvaluateCase{"BothStandOpponentHigher", {"10", "7"}, {"10", "8"}, true, true, 1, 1},
        EvaluateCase{"BothStandTied", {"10", "8"}, {"9", "9"}, true, true, 1, 2},
        EvaluateCase{"TieBreakerOfTheLastCard", {"10", "8", "+1T"}, {"10", "9"}, true, true, 0, 0},
        EvaluateCase{
            "TieBreakerCoveredByALaterCard", {"10", "8", "+1T"}, {"10", "9"}, true, true, 1, 2},
        EvaluateCase{"OpponentTieBreaker", {"10", "9"}, {"10", "10", "-1T"}, true, true, 1, 1},
        EvaluateCase{
            "TieBreakerNotLastOnItsSide", {"10", "+1T", "8"}, {"10", "9"}, true, true, 0, 2}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TableFixture, BothAboveTwentyIsReportedAndGoesToSideZero) {
    StartWithPlayerToMove();
    Lay(0, {"10", "10", "5"});
    Lay(1, {"10", "10", "3"});
    EXPECT_EQ(table.rules().EvaluateSet(), 0);
    ASSERT_EQ(ports.messages.size(), 1u);
    EXPECT_EQ(ports.messages[0], QStringLiteral("Error: Both players are above 20"));
}
} // namespace
