#include "sidedeck/SideDeck.h"
#include "binding/MemoryRecordFile.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "sidedeck/MatchStart.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

class SideDeckTest : public ::testing::Test {
protected:
    std::vector<int> sounds;
    SideDeck deck{[this](int effect) { sounds.push_back(effect); }};
};

constexpr int PlusOne = 0;
constexpr int PlusFour = 3;

TEST_F(SideDeckTest, ElevenClicksOnPlusOneFillTheDeckAndDimTheKind) {
    deck.OfferAll();
    for (int click = 0; click < 11; ++click)
        EXPECT_EQ(deck.AddCard(PlusOne, false), click < 10) << "click " << click;
    EXPECT_TRUE(deck.Complete());
    EXPECT_EQ(deck.Available(PlusOne), 0);
    EXPECT_EQ(deck.KindFace(PlusOne), CardFace::Plus + CardFace::DimOffset);
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot) {
        EXPECT_EQ(deck.SlotKind(slot), PlusOne);
        EXPECT_EQ(deck.SlotFace(slot), CardFace::Plus) << "the face shown when it was chosen";
    }
    EXPECT_EQ(sounds, std::vector<int>(10, 1)) << "the eleventh click is silent";
}

TEST_F(SideDeckTest, RemovingOneRestoresTheFaceAndACountOfOne) {
    deck.OfferAll();
    for (int click = 0; click < 10; ++click)
        deck.AddCard(PlusOne, true);
    deck.RemoveCard(4, true);
    EXPECT_EQ(deck.Available(PlusOne), 1);
    EXPECT_EQ(deck.KindFace(PlusOne), CardFace::Plus);
    EXPECT_EQ(deck.SlotKind(4), SideDeck::NoKind);
    EXPECT_EQ(deck.SlotFace(4), -1);
    EXPECT_FALSE(deck.Complete());
    EXPECT_EQ(sounds, std::vector<int>{1});
    // The next card fills the gap first.
    deck.AddCard(PlusFour, true);
    EXPECT_EQ(deck.SlotKind(4), PlusFour);
}

TEST_F(SideDeckTest, DeleteCardsSoundsOnceAndEmptiesEverySlot) {
    deck.OfferAll();
    for (int kind : {1, 7, 13, 19})
        deck.AddCard(kind, true);
    deck.DeleteCards();
    EXPECT_EQ(sounds, std::vector<int>{1});
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        EXPECT_EQ(deck.SlotKind(slot), SideDeck::NoKind);
    for (int kind : {1, 7, 13, 19})
        EXPECT_EQ(deck.Available(kind), SideDeck::FreeCopies);
}

TEST_F(SideDeckTest, OwnedCardsOnlyAndNotOfferedKindsAreHidden) {
    SideDeck::Owned owned{};
    owned[PlusFour] = 2;
    deck.OfferOwned(owned);
    EXPECT_TRUE(deck.Offered(PlusFour));
    EXPECT_EQ(deck.Available(PlusFour), 2);
    EXPECT_FALSE(deck.Offered(PlusOne));
    EXPECT_FALSE(deck.AddCard(PlusOne, false));
    EXPECT_TRUE(deck.AddCard(PlusFour, false));
    EXPECT_TRUE(deck.AddCard(PlusFour, false));
    EXPECT_FALSE(deck.AddCard(PlusFour, false));
}

TEST_F(SideDeckTest, RestoreSkipsUnownedRunOutAndDamagedEntries) {
    SideDeck::Owned owned{};
    owned[PlusFour] = 1;
    owned[20] = 3;
    deck.OfferOwned(owned);
    // Two +4 saved but one owned, a kind no longer owned, and values no kind has.
    deck.Restore({PlusFour, PlusFour, PlusOne, 20, -7, 23, 1000, 20, -1, 20});
    EXPECT_EQ(deck.Deck(), (SideDeck::Kinds{PlusFour, 20, 20, 20, -1, -1, -1, -1, -1, -1}));
    EXPECT_TRUE(sounds.empty()) << "restoring is silent";
}

struct RestoreCase {
    std::int16_t saveMode;
    int gameMode;
    bool restored;
};

class RestoreModeTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreModeTest, SaveModeDecidesWhereTheDeckComesBack) {
    const RestoreCase& c = GetParam();
    EXPECT_EQ(SideDeck::ShouldRestore(c.saveMode, c.gameMode, 4), c.restored);
    EXPECT_FALSE(SideDeck::ShouldRestore(c.saveMode, c.gameMode, SideDeck::NoKind))
        << "no saved deck";
}

INSTANTIATE_TEST_SUITE_P(Modes, RestoreModeTest,
                         ::testing::Values(RestoreCase{0, GameState::SingleGame, false},
                                           RestoreCase{0, GameState::Campaign, false},
                                           RestoreCase{1, GameState::SingleGame, true},
                                           RestoreCase{1, GameState::Campaign, true},
                                           RestoreCase{2, GameState::SingleGame, false},
                                           RestoreCase{2, GameState::Campaign, true},
                                           RestoreCase{3, GameState::Multiplayer, true},
                                           RestoreCase{3, GameState::Campaign, false},
                                           RestoreCase{7, GameState::SingleGame, false}));

TEST(SideDeckChoice, FreeChoiceOutsideTheCampaignAndAtItsLastLevel) {
    EXPECT_TRUE(SideDeck::FreeChoice(GameState::SingleGame, 0));
    EXPECT_TRUE(SideDeck::FreeChoice(GameState::Multiplayer, 3));
    EXPECT_FALSE(SideDeck::FreeChoice(GameState::Campaign, 26));
    EXPECT_TRUE(SideDeck::FreeChoice(GameState::Campaign, 27));
}

class MatchStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
        GameState::instance().GameMode = GameState::Campaign;
    }
};

TEST_F(MatchStartTest, HandIsFourDifferentSlotsDrawnFromTheShrinkingList) {
    // Draws pick slot 9, then 0, then the slot moved into place 0's gap (8), then 2 of 7 left.
    Random::SetSequence({0.95, 0.0, 0.0, 2.5 / 7});
    MatchStart::DrawHand({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const clsPlayer& player = clsPlayer::instance();
    EXPECT_EQ(player.HandCard(0), 9);
    EXPECT_EQ(player.HandCard(1), 0);
    EXPECT_EQ(player.HandCard(2), 8);
    EXPECT_EQ(player.HandCard(3), 2);
}

TEST_F(MatchStartTest, RandomHandsNeverRepeatASlot) {
    Random::Seed(12345);
    for (int round = 0; round < 200; ++round) {
        MatchStart::DrawHand({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        std::set<int> kinds;
        for (int i = 0; i < 4; ++i)
            kinds.insert(clsPlayer::instance().HandCard(i));
        ASSERT_EQ(kinds.size(), 4u);
    }
}

TEST_F(MatchStartTest, CampaignStakeMovesTheWagerAndBooksALoss) {
    clsPlayer& player = clsPlayer::instance();
    clsOpponent& opponent = clsOpponent::instance();
    player.setLevel(5);
    player.setCredits(300);
    player.setLosses(2);
    opponent.setBaseCredits(400);
    player.Wager = 75;
    MatchStart::BookCampaignStake();
    EXPECT_EQ(player.Losses(), 3);
    EXPECT_EQ(player.Credits(), 225);
    EXPECT_EQ(opponent.Credits(), 475);
}

TEST_F(MatchStartTest, AtTheLastLevelOnlyTheLossIsBooked) {
    clsPlayer& player = clsPlayer::instance();
    clsOpponent& opponent = clsOpponent::instance();
    player.setLevel(27);
    player.setCredits(300);
    opponent.setBaseCredits(400);
    player.Wager = 75;
    MatchStart::BookCampaignStake();
    EXPECT_EQ(player.Losses(), 1);
    EXPECT_EQ(player.Credits(), 300);
    EXPECT_EQ(opponent.Credits(), 400);
}

} // namespace
