#include "TableFixture.h"
#include "profile/clsPlayer.h"
#include "rules/CardFace.h"
#include "rules/CardKind.h"
#include "rules/GameState.h"

namespace {
constexpr int Hand0 = TableModel::FirstHandSlot;

class HandCardsTest : public TableFixture {
protected:
    void StartWithHand(std::initializer_list<int> kinds) {
        int i = 0;
        for (int kind : kinds)
            clsPlayer::instance().setHandCard(i++, static_cast<std::int16_t>(kind));
        StartWithPlayerToMove();
    }
    std::string HandText(int i) const { return std::string(table.model().text(Hand0 + i).view()); }
    void NextTurn() { player().CanPlayCard = true; }
};

TEST_F(HandCardsTest, ThreeAndSixTurnsMatchingSignsAndBackAgain) {
    StartWithHand({CardKind::ThreeAndSix, CardKind::ThreeAndSix, 0, 0});
    Lay(0, {"5"});
    Lay(0, {"+3"}, CardFace::Plus);
    Lay(0, {"3"});
    table.HandCardClick(Hand0);
    EXPECT_EQ(Texts(0, 8, table.model()), (std::vector<std::string>{"5", "-3", "-3", "0"}));
    EXPECT_EQ(player().Count, -1);
    NextTurn();
    table.HandCardClick(Hand0 + 1);
    EXPECT_EQ(Texts(0, 8, table.model()), (std::vector<std::string>{"5", "+3", "3", "0", "0"}));
    EXPECT_EQ(table.model().face(3), CardFace::Special);
}

TEST_F(HandCardsTest, DoubleCopiesTheLastCardTieBreakerIncluded) {
    StartWithHand({CardKind::Double, 0, 0, 0});
    Lay(0, {"5"});
    Lay(0, {"+1T"}, CardFace::Special);
    table.HandCardClick(Hand0);
    EXPECT_EQ(Texts(0, 8, table.model()), (std::vector<std::string>{"5", "+1T", "+1T"}));
    EXPECT_EQ(player().Count, 7);
    EXPECT_TRUE(table.model().HoldsTieBreaker(0, table.match().LastCardSide));
}

TEST_F(HandCardsTest, DoubleOnAnEmptyTableIsIgnored) {
    StartWithHand({CardKind::Double, 0, 0, 0});
    table.HandCardClick(Hand0);
    EXPECT_TRUE(table.model().text(0).empty());
    EXPECT_EQ(HandText(0), "D");
    EXPECT_TRUE(player().CanPlayCard);
}

TEST_F(HandCardsTest, SignAndMagnitudeChanges) {
    StartWithHand({CardKind::TieBreaker, CardKind::FirstFlip + 2, CardKind::ValueChange, 0});
    table.FlipClick(0);
    EXPECT_EQ(HandText(0), "-1T");
    table.FlipClick(0);
    EXPECT_EQ(HandText(0), "+1T");
    EXPECT_EQ(table.model().face(Hand0), CardFace::Special);

    table.FlipClick(1);
    EXPECT_EQ(HandText(1), "-3");
    EXPECT_EQ(table.model().face(Hand0 + 1), CardFace::FlipMinus);
    table.rules().SetCardsDimmed(Hand0, Hand0 + 3, true);
    table.FlipClick(1);
    EXPECT_EQ(HandText(1), "+3");
    EXPECT_EQ(table.model().face(Hand0 + 1), CardFace::FlipPlus + CardFace::DimOffset);

    table.MagnitudeClick(2);
    EXPECT_EQ(HandText(2), "+2");
    table.FlipClick(2);
    EXPECT_EQ(HandText(2), "-2");
    table.MagnitudeClick(2);
    EXPECT_EQ(HandText(2), "-1");
    // A plus card has neither control.
    table.FlipClick(3);
    table.MagnitudeClick(3);
    EXPECT_EQ(HandText(3), "+1");
}

TEST_F(HandCardsTest, OneCardPerTurnAndNoneWhileStanding) {
    StartWithHand({0, 1, 2, 3});
    table.HandCardClick(Hand0);
    table.HandCardClick(Hand0 + 1);
    EXPECT_EQ(Texts(0, 8, table.model()), std::vector<std::string>{"+1"});
    EXPECT_TRUE(table.model().text(Hand0).empty());
    EXPECT_EQ(HandText(1), "+2");
    EXPECT_EQ(table.model().face(Hand0 + 1), CardFace::Plus + CardFace::DimOffset);
    NextTurn();
    player().Stand = true;
    table.HandCardClick(Hand0 + 1);
    EXPECT_EQ(HandText(1), "+2");
}

TEST_F(HandCardsTest, ACardThatReachesTwentyStandsAfterFourHundredMilliseconds) {
    StartWithHand({CardKind::FirstPlus + 2, 0, 0, 0});
    Lay(0, {"10", "7"});
    table.HandCardClick(Hand0);
    EXPECT_EQ(ports.waits.front(), 400);
    ASSERT_FALSE(ports.stands.empty());
    EXPECT_EQ(ports.stands[0], 0);
}

TEST_F(HandCardsTest, MultiplayerSendsThePlayedCardAndEachRewrite) {
    StartWithHand({CardKind::TwoAndFour, 0, 0, 0});
    GameState::instance().GameMode = GameState::Multiplayer;
    ports.told.clear(); // the single game's first deal: a single game has no peer
    Lay(0, {"4", "2"});
    table.HandCardClick(Hand0);
    const std::vector<std::string> told = {"rewritten 0 -4", "rewritten 1 -2", "card 0 4 0"};
    EXPECT_EQ(ports.told, told);
}
} // namespace
