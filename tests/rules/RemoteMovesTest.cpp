#include "TableFixture.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "sound/SoundEffect.h"

#include <string>
#include <vector>

// The other program's moves as its receiver hands them to the table.
namespace {
class RemoteMovesTest : public TableFixture {
protected:
    void StartAs(bool host) {
        StartMultiplayerWithPlayerToMove(host);
        ports.results.clear();
    }
};

TEST_F(RemoteMovesTest, PlacedCardsGoToTheSidesNextSlotWithTheirSound) {
    struct Case {
        int side, face;
        const char* text;
        int slot, sound;
        bool opponentCardHidden;
    };
    const std::vector<Case> cases{
        {0, CardFace::MainDeck, "7", 1, SoundEffect::Deal, false},
        {1, CardFace::MainDeck, "10", 10, SoundEffect::Deal, false},
        {1, CardFace::Minus, "-3", 10, SoundEffect::CardLaid, true},
        {1, CardFace::FlipMinus, "-1T", 10, SoundEffect::CardLaid, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        StartAs(false);
        Lay(0, {"2"});
        Lay(1, {"4"});
        ports.sounds.clear();
        ports.hiddenOpponentCards.clear();
        table.RemoteCardPlaced(c.side, c.face, CardText(c.text));
        EXPECT_EQ(table.model().text(c.slot).view(), c.text);
        EXPECT_EQ(table.model().face(c.slot), c.face);
        ASSERT_FALSE(ports.sounds.empty());
        EXPECT_EQ(ports.sounds.front(), c.sound);
        EXPECT_EQ(ports.hiddenOpponentCards.size(), c.opponentCardHidden ? 1u : 0u);
        EXPECT_EQ(table.match().LastCardSide, c.side);
        table.CloseTable();
    }
}

TEST_F(RemoteMovesTest, DamagedOrLateMovesChangeNothing) {
    StartAs(true);
    Lay(1, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    const auto before = Texts(0, TableModel::FirstHandSlot - 1, table.model());
    table.RemoteCardPlaced(2, CardFace::MainDeck, CardText("5"));
    table.RemoteCardPlaced(0, 9, CardText("5"));
    table.RemoteCardPlaced(1, CardFace::MainDeck, CardText("5")); // a full row
    table.RemoteSlotRewritten(9, CardText("-4"));
    table.RemoteSlotRewritten(-1, CardText("-4"));
    table.RemoteTurnGiven(2);
    table.RemoteSetDecided(3);
    EXPECT_EQ(Texts(0, TableModel::FirstHandSlot - 1, table.model()), before);
    EXPECT_TRUE(ports.markers.empty());

    table.CloseTable();
    table.RemoteSlotRewritten(0, CardText("-1"));
    table.RemoteStood();
    EXPECT_EQ(Texts(0, TableModel::FirstHandSlot - 1, table.model()), before);
    EXPECT_TRUE(ports.results.empty());
}

TEST_F(RemoteMovesTest, ARewriteLandsOnTheOtherPlayersSlot) {
    StartAs(false);
    Lay(1, {"4", "2"}, CardFace::MainDeck);
    table.RemoteSlotRewritten(1, CardText("-2"));
    EXPECT_EQ(table.model().text(TableModel::SideSlots + 1).view(), "-2");
    EXPECT_EQ(opponent().Count, 2);
}

// The host evaluates after the other player's move; the mapping of the result to the next mover
// is the one the local buttons use, with the sides exchanged.
TEST_F(RemoteMovesTest, TheHostGoesOnAfterTheOtherPlayersEndTurnAndStand) {
    StartAs(true);
    Lay(0, {"10", "5"});
    Lay(1, {"10", "8"});
    NextCardIs(2);
    table.RemoteTurnEnded();
    EXPECT_EQ(ports.results, std::vector<int>{5});
    ASSERT_FALSE(ports.told.empty());
    EXPECT_EQ(ports.told.front(), "turn 0");
    EXPECT_TRUE(player().CanAct);

    ports.told.clear();
    table.RemoteStood();
    EXPECT_TRUE(opponent().Stand);
    ASSERT_EQ(ports.results.size(), 2u);
    EXPECT_EQ(ports.results[1], 3);
    EXPECT_EQ(ports.told.front(), "turn 0");
}

TEST_F(RemoteMovesTest, TheClientFollowsTheHostsTurnsResultsAndSets) {
    StartAs(false);
    table.RemoteTurnGiven(1);
    EXPECT_FALSE(player().CanAct);
    table.RemoteTurnGiven(0);
    EXPECT_TRUE(player().CanAct);
    table.RemoteSetDecided(1);
    EXPECT_EQ(ports.markers, std::vector<int>{3});
    EXPECT_EQ(ports.told, std::vector<std::string>{"acknowledged"});
    EXPECT_TRUE(ports.results.empty()); // a client never evaluates
    const auto serial = table.SetSerial();
    table.RemoteNextSet();
    EXPECT_NE(table.SetSerial(), serial);
}

TEST(NextMover, OneMappingForEveryKindOfSide) {
    struct Case {
        modGameSystem::SetResult result;
        int moved, next;
    };
    const Case cases[] = {
        {modGameSystem::PlayerMovesAgain, 0, 0},   {modGameSystem::PlayerMovesAgain, 1, 0},
        {modGameSystem::OpponentMovesAgain, 0, 1}, {modGameSystem::OpponentMovesAgain, 1, 1},
        {modGameSystem::TurnPasses, 0, 1},         {modGameSystem::TurnPasses, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GameTable::NextMover(c.result, c.moved), c.next)
            << c.result << " after side " << c.moved;
}
} // namespace
