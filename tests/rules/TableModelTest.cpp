#include "TableFixture.h"
#include "rules/CardFace.h"

namespace {
class TableModelTest : public TableFixture {};

TEST_F(TableModelTest, CountsSumTheSideUpToItsFirstEmptySlot) {
    struct Case {
        std::vector<const char*> texts;
        int count;
    };
    const Case cases[] = {
        {{"7", "+3", "-1T"}, 9}, {{"10", "-6", "0", "+5"}, 9}, {{"+1T", "+1T"}, 2}, {{}, 0}};
    StartWithPlayerToMove();
    for (const Case& c : cases) {
        table.model().clear(0, 17);
        Lay(1, c.texts);
        EXPECT_EQ(table.model().SideCount(1), c.count);
    }
    // A text after a gap is not counted.
    table.model().clear(9, 17);
    table.model().setText(9, CardText("5"));
    table.model().setText(11, CardText("7"));
    EXPECT_EQ(table.model().SideCount(1), 5);
}

TEST_F(TableModelTest, FreeSlotIsTheFirstSlotAfterTheLastCardOrNone) {
    StartWithPlayerToMove();
    for (int side : {0, 1}) {
        const int base = side == 0 ? 0 : 9;
        EXPECT_EQ(table.model().FreeSlot(side), base);
        for (int n = 1; n <= 9; ++n) {
            Lay(side, {"1"});
            EXPECT_EQ(table.model().FreeSlot(side), n == 9 ? -1 : base + n);
        }
    }
}

TEST_F(TableModelTest, RecountDimsASideAtTwentyOrStandingAndSoundsOverTwenty) {
    StartWithPlayerToMove();
    Lay(0, {"10", "10"});
    EXPECT_EQ(player().Count, 20);
    EXPECT_EQ(table.model().face(0), CardFace::MainDeck + CardFace::DimOffset);
    Lay(0, {"1"});
    EXPECT_EQ(table.model().face(0), CardFace::MainDeck);
    EXPECT_EQ(ports.sounds, std::vector<int>{0});
}

TEST_F(TableModelTest, FlipMatchingKeepsSideCardSignsAndMainDeckCardsPlain) {
    StartWithPlayerToMove();
    Lay(0, {"5", "3"});
    Lay(0, {"+3", "-6", "+1T"}, CardFace::Plus);
    Lay(0, {"6"});
    table.model().FlipMatching(0, 3, 6);
    EXPECT_EQ(Texts(0, 8, table.model()),
              (std::vector<std::string>{"5", "-3", "-3", "+6", "+1T", "-6"}));
    table.model().FlipMatching(0, 3, 6);
    EXPECT_EQ(Texts(0, 8, table.model()),
              (std::vector<std::string>{"5", "3", "+3", "-6", "+1T", "6"}));
}
} // namespace
