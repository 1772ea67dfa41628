#include "CampaignFixture.h"

#include "campaign/TradeModel.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "sidedeck/SideDeck.h"

namespace {
class TradeModelTest : public CampaignFixture {
protected:
    clsPlayer& player = clsPlayer::instance();

    // Scrolls until the kind is in view and selects it.
    static void SelectKind(TradeModel& trade, int kind) {
        while (kind - trade.Offset() >= TradeModel::SlotCount)
            trade.Scroll(+1);
        trade.Select(kind - trade.Offset());
    }
    void Holding(std::int32_t credits, int level) {
        player.setCredits(credits);
        SetLevel(level);
    }
};

TEST_F(TradeModelTest, OpensBuyingTheFirstKindAtTheStartOfTheStrip) {
    Own({3});
    const TradeModel trade;
    EXPECT_EQ(trade.mode(), TradeModel::Mode::Buy);
    EXPECT_EQ(trade.Offset(), 0);
    EXPECT_EQ(trade.catalogue().ActiveCard, 0);
    EXPECT_EQ(trade.SelectedSlot(), 0);
    EXPECT_EQ(trade.Price(), 100);
    EXPECT_EQ(trade.Quantity(), 7);
    EXPECT_TRUE(trade.LevelText().isEmpty());
    EXPECT_EQ(trade.ThumbTop(), TradeModel::ThumbFirstTop);
}

TEST_F(TradeModelTest, BuyingNeedsTheCreditsAndTheLevel) {
    struct Case {
        std::int32_t credits;
        int level;
        bool canBuy;
    };
    // "±1" costs 200 and needs level 12.
    const Case cases[] = {{120, 10, false}, {250, 10, false}, {120, 12, false},
                          {200, 12, true},  {200, 11, false}, {199, 27, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.credits * 100 + c.level);
        Holding(c.credits, c.level);
        TradeModel trade;
        SelectKind(trade, 12);
        EXPECT_EQ(trade.Price(), 200);
        EXPECT_EQ(trade.LevelText(),
                  clsLanguage::instance().RequiresLevel() + QStringLiteral(" 12"));
        EXPECT_EQ(trade.CanTrade(), c.canBuy);
    }
}

TEST_F(TradeModelTest, TenOwnedOfAKindCannotBeAddedTo) {
    Holding(1000, 1);
    Own({10, 9});
    TradeModel trade;
    EXPECT_EQ(trade.Quantity(), 0);
    EXPECT_FALSE(trade.CanTrade());
    EXPECT_FALSE(trade.Trade());
    trade.Select(1);
    EXPECT_EQ(trade.Quantity(), 1);
    ASSERT_TRUE(trade.Trade());
    EXPECT_EQ(trade.Quantity(), 0);
    EXPECT_FALSE(trade.CanTrade());
}

TEST_F(TradeModelTest, SellingKeepsEnoughCardsForAFullSideDeck) {
    struct Case {
        std::vector<int> owned;
        int kind;
        bool canSell;
    };
    const Case cases[] = {
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0, false},  // exactly ten in total
        {{2, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 3, true},   // eleven: any owned kind
        {{2, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 12, false}, // none owned of this kind
        {{11}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Holding(0, 1);
        Own(c.owned);
        TradeModel trade;
        trade.ChangeMode();
        SelectKind(trade, c.kind);
        EXPECT_EQ(trade.CanTrade(), c.canSell);
    }
}

TEST_F(TradeModelTest, ATradeMovesCardAndCreditsInOneSavedWrite) {
    Holding(100, 1);
    Own({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    const int writes = file->writeCount();
    TradeModel trade;
    ASSERT_TRUE(trade.Trade()); // buying with exactly the price
    EXPECT_EQ(player.Credits(), 0);
    EXPECT_EQ(player.Card(0), 2);
    EXPECT_FALSE(trade.CanTrade());
    EXPECT_EQ(file->writeCount(), writes + 1);
    UserDataRecord saved = Stored();
    EXPECT_TRUE(saved.checksumValid());
    EXPECT_EQ(saved.Credits, 0);
    EXPECT_EQ(saved.Card[0], 2);

    trade.ChangeMode();
    EXPECT_EQ(trade.Price(), 80);
    EXPECT_EQ(trade.Quantity(), 2);
    ASSERT_TRUE(trade.Trade());
    EXPECT_EQ(trade.Quantity(), 1);
    saved = Stored();
    EXPECT_TRUE(saved.checksumValid());
    EXPECT_EQ(saved.Credits, 80);
    EXPECT_EQ(saved.Card[0], 1);
}

TEST_F(TradeModelTest, AfterATradeTheSavedCampaignDeckIsNotOfferedAgain) {
    Holding(500, 1);
    GameState::instance().GameMode = GameState::SingleGame;
    clsStore::instance().setSidedeckCard(0, 5);
    GameState::instance().GameMode = GameState::Campaign;
    for (int slot = 0; slot < 10; ++slot)
        clsStore::instance().setSidedeckCard(slot, slot);
    const std::int16_t mode = clsStore::instance().SidedeckSaveMode();
    ASSERT_TRUE(
        SideDeck::ShouldRestore(mode, GameState::Campaign, clsStore::instance().SidedeckCard(0)));
    TradeModel trade;
    ASSERT_TRUE(trade.Trade());
    EXPECT_FALSE(
        SideDeck::ShouldRestore(mode, GameState::Campaign, clsStore::instance().SidedeckCard(0)));
    EXPECT_EQ(Stored().CampaignSidedeckCards[0], -1);
    // The single game keeps its own saved deck.
    EXPECT_EQ(Stored().SidedeckCards[0], 5);
}

TEST_F(TradeModelTest, TheStripStopsAtItsEnds) {
    TradeModel trade;
    EXPECT_FALSE(trade.Scroll(-1));
    EXPECT_EQ(trade.Offset(), 0);
    for (int step = 0; step < 18; ++step)
        EXPECT_TRUE(trade.Scroll(+1));
    EXPECT_FALSE(trade.Scroll(+1));
    EXPECT_EQ(trade.Offset(), 18);
    EXPECT_EQ(trade.KindInSlot(0), 18);
    EXPECT_EQ(trade.KindInSlot(4), 22);
    EXPECT_EQ(trade.ThumbTop(), TradeModel::ThumbFirstTop + TradeModel::ThumbTravel);
}

TEST_F(TradeModelTest, ASelectionScrolledOutOfViewIsKeptAndFoundAgain) {
    Own({4});
    TradeModel trade;
    trade.Select(2);
    for (int step = 0; step < 3; ++step)
        trade.Scroll(+1);
    EXPECT_EQ(trade.SelectedSlot(), -1);
    EXPECT_EQ(trade.catalogue().ActiveCard, 2);
    EXPECT_EQ(trade.Price(), 50);
    trade.Scroll(-1);
    EXPECT_EQ(trade.SelectedSlot(), 0);
    EXPECT_FALSE(trade.Select(0)); // already selected
}

TEST_F(TradeModelTest, DraggingTheThumbScrollsToTheNearestOffset) {
    struct Case {
        int thumbTop;
        int offset;
    };
    const int top = TradeModel::ThumbFirstTop;
    const Case cases[] = {{top + 109, 9}, {top - 40, 0}, {top + 500, 18},
                          {top + 6, 0},   {top + 7, 1},  {top + 218, 18}};
    const int grab = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thumbTop);
        TradeModel trade;
        trade.DragThumb(c.thumbTop + grab, grab);
        EXPECT_EQ(trade.Offset(), c.offset);
        EXPECT_GE(trade.ThumbTop(), top);
        EXPECT_LE(trade.ThumbTop(), top + TradeModel::ThumbTravel);
    }
    EXPECT_EQ(TradeModel::ThumbTopFor(9), top + 109);
}
} // namespace
