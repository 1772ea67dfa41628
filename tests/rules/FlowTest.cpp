#include "TableFixture.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <algorithm>

namespace {
class FlowTest : public TableFixture {
protected:
    bool Waited(int ms) const {
        return std::find(ports.waits.begin(), ports.waits.end(), ms) != ports.waits.end();
    }
};

TEST_F(FlowTest, ADealToExactlyTwentyStandsAfterFourHundredMilliseconds) {
    StartWithPlayerToMove();
    Lay(0, {"10"});
    NextCardIs(10);
    table.rules().DealCard(0);
    ASSERT_FALSE(ports.waits.empty());
    EXPECT_EQ(ports.waits[0], 400);
    // The set may be over by now: what counts is that side 0 stood first.
    ASSERT_FALSE(ports.stands.empty());
    EXPECT_EQ(ports.stands[0], 0);
}

TEST_F(FlowTest, EndTurnAtTwentyStandsInstead) {
    StartWithPlayerToMove();
    Lay(0, {"10", "10"});
    table.ButtonClick(GameTable::EndTurnButton);
    ASSERT_FALSE(ports.stands.empty());
    EXPECT_EQ(ports.stands[0], 0);
}

TEST_F(FlowTest, EndTurnAndStandAreIgnoredOutOfTurn) {
    StartWithPlayerToMove();
    player().CanAct = false;
    table.ButtonClick(GameTable::StandButton);
    table.ButtonClick(GameTable::EndTurnButton);
    EXPECT_FALSE(player().Stand);
    EXPECT_TRUE(ports.results.empty());
}

TEST_F(FlowTest, TheNinthCardDecidesTheSetOnEitherSide) {
    struct Case {
        int side;
        const char* eight; // the eight cards already laid
        int ninth;
        int markerShown;
    };
    const Case cases[] = {{0, "1", 1, 0}, {0, "2", 5, 3}, {1, "1", 4, 3}, {1, "2", 5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side * 100 + c.ninth);
        StartWithPlayerToMove();
        ports.markers.clear();
        Lay(c.side, {c.eight, c.eight, c.eight, c.eight, c.eight, c.eight, c.eight, c.eight});
        // The other side stands higher: it does not matter.
        Lay(1 - c.side, {"10", "10"});
        NextCardIs(c.ninth);
        table.rules().DealCard(c.side);
        EXPECT_TRUE(Waited(450));
        ASSERT_FALSE(ports.markers.empty());
        EXPECT_EQ(ports.markers[0], c.markerShown);
    }
}

TEST_F(FlowTest, DealsBeforeTheTableIsShownAreQueuedAndReplayedInOrder) {
    // The computer begins: its card and then side 0's wait for the table to show.
    std::vector<double> draws(84, 0.0);
    draws.push_back(0.9);
    Random::SetSequence(draws);
    table.StartMatch();
    EXPECT_TRUE(table.match().PendingDeal1);
    EXPECT_EQ(table.match().PendingDealSide1, 1);
    EXPECT_TRUE(table.match().PendingDeal2);
    EXPECT_EQ(table.match().PendingDealSide2, 0);
    EXPECT_TRUE(table.model().text(9).empty());
    ports.waits.clear();
    table.Activated();
    EXPECT_EQ(ports.waits, std::vector<int>{450});
    EXPECT_EQ(Texts(9, 17, table.model()), std::vector<std::string>{"10"});
    EXPECT_EQ(Texts(0, 8, table.model()), std::vector<std::string>{"9"});
    EXPECT_FALSE(table.match().PendingDeal1 || table.match().PendingDeal2);
}

TEST_F(FlowTest, AThirdQueuedDealReplacesTheSecond) {
    table.rules().DealCard(1);
    table.rules().DealCard(0);
    table.rules().DealCard(1);
    EXPECT_EQ(table.match().PendingDealSide1, 1);
    EXPECT_EQ(table.match().PendingDealSide2, 1);
}

TEST_F(FlowTest, ASideBelowAStandingOpponentMovesAgainUntilItPasses) {
    StartWithPlayerToMove();
    Lay(1, {"10", "7"});
    opponent().Stand = true;
    Lay(0, {"10", "7"});
    NextCardIs(1);
    table.ButtonClick(GameTable::EndTurnButton);
    EXPECT_EQ(ports.results, std::vector<int>{3});
    EXPECT_EQ(player().Count, 18);
    table.ButtonClick(GameTable::EndTurnButton);
    ASSERT_GE(ports.results.size(), 2u);
    EXPECT_EQ(ports.results[1], 0);
    EXPECT_EQ(ports.markers, std::vector<int>{0});
}

TEST_F(FlowTest, TheHostDealsTellsAndEvaluatesTheClientOnlyReports) {
    StartMultiplayerWithPlayerToMove(true);
    NextCardIs(7);
    table.PlayerChange(0);
    EXPECT_EQ(ports.told, (std::vector<std::string>{"turn 0", "card 0 5 7"}));

    StartMultiplayerWithPlayerToMove(false);
    table.ButtonClick(GameTable::EndTurnButton);
    EXPECT_EQ(ports.told, std::vector<std::string>{"end"});
    EXPECT_TRUE(ports.results.empty());
}

TEST_F(FlowTest, TheHostStartsTheNextSetOnlyWhenBothAcknowledged) {
    StartMultiplayerWithPlayerToMove(true);
    table.PlayerWin(0);
    ASSERT_FALSE(ports.told.empty());
    EXPECT_EQ(ports.told.front(), "won 0");
    EXPECT_TRUE(table.match().LocalSetDone);
    EXPECT_FALSE(player().CanAct);
    ports.told.clear();
    table.RemoteSetAcknowledged();
    ASSERT_FALSE(ports.told.empty());
    EXPECT_EQ(ports.told.front(), "next set");
}
} // namespace
