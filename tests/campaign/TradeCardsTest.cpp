#include "CampaignFixture.h"

#include "campaign/clsTradeCards.h"
#include "profile/clsLanguage.h"

namespace {
using TradeCardsTest = CampaignFixture;
using L = clsLanguage;

TEST_F(TradeCardsTest, TheSelectedKindIsTheDefaultIndex) {
    clsTradeCards cards;
    cards.ActiveCard = 21;
    EXPECT_EQ(cards.Caption(), QStringLiteral("3&6 ") + L::instance().Card());
    EXPECT_EQ(cards.Caption(-1), cards.Caption(21));
    EXPECT_EQ(cards.BuyPrice(), 175);
    EXPECT_EQ(cards.Description(), L::instance().CardDescription_36());
}

TEST_F(TradeCardsTest, EachKindHasItsCaptionDescriptionLevelAndPrices) {
    struct Case {
        std::int16_t kind;
        const char* notation;
        L::Text description;
        int level;
        int buy;
        int sell;
    };
    const Case cases[] = {
        {0, "+1", L::CardDescription_Plus_, 0, 100, 80},
        {2, "+3", L::CardDescription_Plus_, 0, 50, 40},
        {8, "-3", L::CardDescription_Minus_, 0, 25, 20}, // cheaper than the "+3"
        {11, "-6", L::CardDescription_Minus_, 0, 5, 4},
        {12, "\u00b11", L::CardDescription_PlusMinus_, 12, 200, 160},
        {17, "\u00b16", L::CardDescription_PlusMinus_, 12, 50, 40},
        {18, "\u00b11T", L::CardDescription_T_, 20, 225, 180},
        {19, "D", L::CardDescription_D_, 15, 150, 120},
        {20, "2&4", L::CardDescription_24_, 15, 150, 120},
        {21, "3&6", L::CardDescription_36_, 15, 175, 140},
        {22, "1\u00b12", L::CardDescription_PlusMinus12_, 22, 500, 400},
    };
    const clsTradeCards cards;
    const QString card = L::instance().Card();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(cards.Caption(c.kind), QString::fromUtf8(c.notation) + u' ' + card);
        EXPECT_EQ(cards.Description(c.kind), L::instance().text(c.description));
        EXPECT_EQ(cards.RequiredLevel(c.kind), c.level);
        EXPECT_EQ(cards.BuyPrice(c.kind), c.buy);
        EXPECT_EQ(cards.SellPrice(c.kind), c.sell);
    }
}

TEST_F(TradeCardsTest, EveryCardSellsForFourFifthsOfItsPrice) {
    const clsTradeCards cards;
    for (std::int16_t kind = 0; kind < 23; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_GT(cards.BuyPrice(kind), 0);
        EXPECT_EQ(cards.SellPrice(kind) * 5, cards.BuyPrice(kind) * 4);
    }
}

TEST_F(TradeCardsTest, AnIndexOutsideTheCatalogueNamesNothing) {
    clsTradeCards cards;
    for (std::int16_t index : {std::int16_t(23), std::int16_t(-2)}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(cards.Caption(index).isEmpty());
        EXPECT_TRUE(cards.Description(index).isEmpty());
        EXPECT_EQ(cards.RequiredLevel(index), 0);
        EXPECT_EQ(cards.BuyPrice(index), 0);
        EXPECT_EQ(cards.SellPrice(index), 0);
    }
    cards.ActiveCard = 40;
    EXPECT_TRUE(cards.Caption().isEmpty());
}

TEST_F(TradeCardsTest, DescriptionsFollowTheCurrentLanguage) {
    const clsTradeCards cards;
    L::instance().setCardDescription_D(QStringLiteral("doubles the last card"));
    EXPECT_EQ(cards.Description(19), QStringLiteral("doubles the last card"));
}
} // namespace
