#include "TableFixture.h"
#include "rules/CardFace.h"
#include "rules/CardKind.h"
#include "rules/CardText.h"
#include "rules/Random.h"
#include "rules/clsCardPool.h"

#include <array>

namespace {
struct TextCase {
    const char* text;
    bool number;
    bool tieBreaker;
    int value;
};

class CardTextValue : public ::testing::TestWithParam<TextCase> {};

TEST_P(CardTextValue, ReadsSignedNumbersAndTieBreakers) {
    const CardText text(GetParam().text);
    EXPECT_EQ(text.isNumber(), GetParam().number);
    EXPECT_EQ(text.isTieBreaker(), GetParam().tieBreaker);
    EXPECT_EQ(text.value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CardTextValue,
    ::testing::Values(TextCase{"7", true, false, 7}, TextCase{"10", true, false, 10},
                      TextCase{"+3", true, false, 3}, TextCase{"-6", true, false, -6},
                      TextCase{"0", true, false, 0}, TextCase{"+1T", false, true, 1},
                      TextCase{"1T", false, true, 1}, TextCase{"-1T", false, true, -1},
                      TextCase{"2&4", false, false, 0}, TextCase{"-", false, false, 0},
                      TextCase{"", false, false, 0}));

TEST(CardText, WritesSideCardsSignedAndMainDeckCardsPlain) {
    EXPECT_EQ(CardText::fromNumber(3, true), CardText("+3"));
    EXPECT_EQ(CardText::fromNumber(3, false), CardText("3"));
    EXPECT_EQ(CardText::fromNumber(-3, false), CardText("-3"));
    EXPECT_EQ(CardText::fromNumber(0, true), CardText("0"));
    EXPECT_EQ(CardText::fromNumber(-1, true).appended('T'), CardText("-1T"));
}

TEST(CardKind, HandTextsListTextsAndFaces) {
    struct Case {
        int kind;
        const char* hand;
        QString list;
        int face;
    };
    const QString pm(QChar(0x00B1));
    const Case cases[] = {
        {0, "+1", QStringLiteral("+1"), CardFace::Plus},
        {5, "+6", QStringLiteral("+6"), CardFace::Plus},
        {6, "-1", QStringLiteral("-1"), CardFace::Minus},
        {11, "-6", QStringLiteral("-6"), CardFace::Minus},
        {12, "+1", pm + QStringLiteral("1"), CardFace::FlipPlus},
        {17, "+6", pm + QStringLiteral("6"), CardFace::FlipPlus},
        {18, "+1T", pm + QStringLiteral("1T"), CardFace::Special},
        {19, "D", QStringLiteral("D"), CardFace::Special},
        {20, "2&4", QStringLiteral("2&4"), CardFace::Special},
        {21, "3&6", QStringLiteral("3&6"), CardFace::Special},
        {22, "+1", QStringLiteral("1") + pm + QStringLiteral("2"), CardFace::Special},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(CardKind::HandText(c.kind), CardText(c.hand));
        EXPECT_EQ(CardKind::ListText(c.kind), c.list);
        EXPECT_EQ(CardKind::Face(c.kind), c.face);
    }
}

class CardPool : public TableFixture {};

TEST_F(CardPool, HoldsFourOfEachValueWhateverTheDraws) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        Random::Seed(seed);
        clsCardPool& pool = table.deck();
        pool.CreateNew();
        std::array<int, 11> seen{};
        for (int i = 0; i < clsCardPool::Size; ++i)
            ++seen.at(pool.CardAt(i));
        EXPECT_EQ(seen[0], 0);
        for (int value = 1; value <= 10; ++value)
            EXPECT_EQ(seen[value], 4) << "seed " << seed << " value " << value;
    }
}

TEST_F(CardPool, DealsFromTheTopAndRebuildsAnExhaustedDeck) {
    const std::vector<QString>& messages = shownMessages;
    Random::Seed(7);
    clsCardPool& pool = table.deck();
    pool.CreateNew();
    std::array<std::uint8_t, clsCardPool::Size> deck{};
    for (int i = 0; i < clsCardPool::Size; ++i)
        deck[i] = pool.CardAt(i);
    for (int i = clsCardPool::Size - 1; i >= 0; --i)
        EXPECT_EQ(pool.GetCard(), deck[i]);
    EXPECT_EQ(pool.Top(), -1);
    EXPECT_TRUE(messages.empty());
    const std::uint8_t card = pool.GetCard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("Error: No cards left. New CardPool will be build."));
    // The deal after the rebuild is a real card from the fresh deck.
    EXPECT_GE(card, 1);
    EXPECT_LE(card, 10);
    EXPECT_EQ(pool.Top(), clsCardPool::Size - 2);
}
} // namespace
