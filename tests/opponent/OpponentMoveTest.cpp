#include "TableFixture.h"
#include "opponent/ComputerDecision.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "rules/CardFace.h"

#include "rules/Random.h"

#include <algorithm>
#include <array>

namespace {
using Hand = std::array<int, 4>;

struct DecisionCase {
    const char* name;
    std::vector<const char*> computer; // side 1's table: its count
    std::vector<const char*> player;
    bool playerStands;
    Hand kinds;
    Hand sortedKinds;
    int candidate;
    bool plays;
};

class ComputerDecisionTest : public TableFixture,
                             public ::testing::WithParamInterface<DecisionCase> {};

TEST_P(ComputerDecisionTest, ConsidersOnlyTheFirstFittingCard) {
    const DecisionCase& c = GetParam();
    StartWithPlayerToMove();
    Lay(1, c.computer);
    Lay(0, c.player);
    player().Stand = c.playerStands;
    ComputerDecision::Hand hand{};
    for (int i = 0; i < 4; ++i)
        hand[i].Kind = static_cast<std::int16_t>(c.kinds[i]);
    const ComputerDecision d = ComputerDecision::Decide(table.model(), table.match(), hand);
    Hand sorted{};
    for (int i = 0; i < 4; ++i)
        sorted[i] = d.hand[i].Kind;
    EXPECT_EQ(sorted, c.sortedKinds);
    EXPECT_EQ(d.candidate, c.candidate);
    EXPECT_EQ(d.plays, c.plays);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComputerDecisionTest,
    ::testing::Values(
        DecisionCase{"BelowPlayerWithoutReachingNineteen",
                     {"10", "4"},
                     {"10", "7"},
                     false,
                     {3, 1, 6, 8},
                     {3, 1, 6, 8},
                     0,
                     false},
        DecisionCase{
            "ReachesTwenty", {"10", "6"}, {"10", "7"}, false, {3, 1, 6, 8}, {3, 1, 6, 8}, 0, true},
        DecisionCase{"RescuesAnOverdrawnTable",
                     {"10", "10", "3"},
                     {"10", "9"},
                     true,
                     {-1, -1, 6, 9},
                     {-1, -1, 6, 9},
                     3,
                     true},
        DecisionCase{"RescueThatStaysBelowThePlayer",
                     {"10", "10", "2"},
                     {"10", "10"},
                     false,
                     {8, -1, -1, -1},
                     {-1, -1, -1, 8},
                     3,
                     false},
        DecisionCase{"AWorthlessFirstCandidateStopsTheSearch",
                     {"10", "5"},
                     {"10"},
                     false,
                     {6, 20, -1, -1},
                     {20, -1, -1, 6},
                     0,
                     false},
        DecisionCase{"CatchesUpWithAStandingPlayer",
                     {"10", "2"},
                     {"10", "5"},
                     true,
                     {2, -1, -1, -1},
                     {2, -1, -1, -1},
                     0,
                     true},
        DecisionCase{"FlipCardCountsMinusFromTwenty",
                     {"10", "10", "2"},
                     {"10", "8"},
                     false,
                     {13, -1, -1, -1},
                     {-1, -1, -1, 13},
                     3,
                     true},
        DecisionCase{"EqualValuesKeepTheirOrder",
                     {"10"},
                     {"10"},
                     false,
                     {1, 13, 0, 6},
                     {1, 13, 0, 6},
                     0,
                     false},
        DecisionCase{"RewriteGainCountsOnlyPlainTwosAndFours",
                     {"4", "2", "+2"},
                     {"10"},
                     false,
                     {0, 20, -1, -1},
                     {0, -1, -1, 20},
                     0,
                     false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class ComputerMoveTest : public TableFixture {
protected:
    void Prepare(std::vector<const char*> computer, std::vector<const char*> playerCards,
                 bool playerStands, Hand kinds, int dealt) {
        StartWithPlayerToMove();
        Lay(1, computer);
        Lay(0, playerCards);
        player().Stand = playerStands;
        for (int i = 0; i < 4; ++i)
            table.computer().HandCards()[i].Kind = static_cast<std::int16_t>(kinds[i]);
        NextCardIs(dealt);
    }
    std::vector<std::string> ComputerTable() const { return Texts(9, 17, table.model()); }
};

TEST_F(ComputerMoveTest, LaysTheCardThenStandsAtTwenty) {
    Prepare({"10"}, {"10", "7"}, false, {3, 1, 6, 8}, 6);
    table.computer().TakeTurn(table);
    EXPECT_EQ(ComputerTable(), (std::vector<std::string>{"10", "6", "+4"}));
    EXPECT_EQ(table.model().face(11), CardFace::Plus + CardFace::DimOffset);
    EXPECT_EQ(ports.stands, std::vector<int>{1});
    EXPECT_EQ(ports.waits, (std::vector<int>{500, 300, 350}));
    EXPECT_EQ(ports.hiddenOpponentCards.size(), 1u);
    EXPECT_EQ(table.computer().HandCards()[0].Kind, CardKind::Played);
}

TEST_F(ComputerMoveTest, ADealToTwentyStandsWithoutLookingAtTheHand) {
    Prepare({"10"}, {"10", "7"}, false, {3, 1, 6, 8}, 10);
    table.computer().TakeTurn(table);
    EXPECT_TRUE(ports.decisions.empty());
    EXPECT_EQ(ports.stands, std::vector<int>{1});
}

TEST_F(ComputerMoveTest, LaidTextsOfTieBreakerDoubleAndRewrite) {
    using Change = std::pair<int, std::string>;
    struct Case {
        std::vector<const char*> before;
        int kind;
        int dealt;
        std::vector<Change> changes; // in this order among the slot changes of the move
    };
    const Case cases[] = {
        {{"10", "10"}, CardKind::TieBreaker, 1, {{11, "1"}, {12, "-1T"}}},
        {{"5"}, CardKind::Double, 7, {{10, "7"}, {11, "+7"}}},
        {{"10", "-4"}, CardKind::TwoAndFour, 5, {{11, "5"}, {12, "0"}, {10, "4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        // The player stands at 19 so that every one of these cards is worth laying.
        Prepare(c.before, {"10", "9"}, true, {c.kind, -1, -1, -1}, c.dealt);
        ports.slotTexts.clear();
        table.computer().TakeTurn(table);
        auto next = ports.slotTexts.begin();
        for (const Change& change : c.changes) {
            next = std::find(next, ports.slotTexts.end(), change);
            EXPECT_NE(next, ports.slotTexts.end()) << change.first << " " << change.second;
        }
    }
}

TEST_F(ComputerMoveTest, ANinthCardThatDecidesTheSetEndsTheMove) {
    Prepare({"1", "1", "1", "1", "1", "1", "1", "1"}, {"10", "7"}, false, {3, 1, 6, 8}, 2);
    // The next set: an unshuffled deck and side 0 begins, so nothing else evaluates.
    std::vector<double> draws(81, 0.0);
    Random::SetSequence(draws);
    table.computer().TakeTurn(table);
    EXPECT_TRUE(ports.decisions.empty());
    EXPECT_EQ(ports.markers, std::vector<int>{3});
    EXPECT_TRUE(ports.results.empty());
}
} // namespace
