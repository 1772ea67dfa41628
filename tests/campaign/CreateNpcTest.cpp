#include "CampaignFixture.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "rules/CardKind.h"

#include <set>
#include <string>

namespace {
class CreateNpcTest : public CampaignFixture {
protected:
    clsOpponent& opponent = clsOpponent::instance();

    std::set<int> Deck() const {
        std::set<int> kinds;
        for (int kind = 0; kind < CardKind::Count; ++kind) {
            if (opponent.SideDeck(kind))
                kinds.insert(kind);
        }
        return kinds;
    }
    void Meet(int level) {
        SetLevel(level);
        opponent.CreateNPC();
    }
};

struct Rung {
    int level;
    const char* name;
    const char* planet;
    std::int32_t credits;
    std::int16_t limit;
};

TEST_F(CreateNpcTest, EachLevelSeatsItsOpponent) {
    // Returning opponents keep name and planet and come back richer.
    const Rung rungs[] = {
        {1, "Rilo Vask", "Corvessa", 75, 15},       {6, "Hubo Zandar", "Wendrath", 150, 50},
        {16, "Hubo Zandar", "Wendrath", 500, 250},  {23, "Hubo Zandar", "Wendrath", 1000, 300},
        {9, "Dask Morrow", "Sarrowin", 250, 125},   {17, "Dask Morrow", "Sarrowin", 540, 180},
        {24, "Dask Morrow", "Sarrowin", 2500, 750}, {11, "Trebbit", "Sarrowin", 225, 75},
        {18, "Trebbit", "Sarrowin", 550, 175},      {25, "Trebbit", "Sarrowin", 5000, 1500},
        {19, "Ozren Vel", "Cendra", 600, 200},      {26, "Ozren Vey", "Cendra", 10000, 2000}};
    for (const Rung& r : rungs) {
        SCOPED_TRACE(r.level);
        Meet(r.level);
        EXPECT_EQ(opponent.Name(), QString::fromUtf8(r.name));
        EXPECT_EQ(opponent.Planet(), QString::fromUtf8(r.planet));
        EXPECT_EQ(opponent.BaseCredits(), r.credits);
        EXPECT_EQ(opponent.Credits(), r.credits);
        EXPECT_EQ(opponent.WagerLimit(), r.limit);
    }
}

TEST_F(CreateNpcTest, TheSideDecksGrowStrongerUpTheLadder) {
    struct Case {
        int level;
        std::set<int> deck;
    };
    const Case cases[] = {
        {1, {0, 1, 2, 3, 4}},                       // A
        {2, {2, 3, 4, 8, 9, 10}},                   // B
        {11, {2, 3, 4, 8, 9, 10}},                  // B
        {12, {1, 2, 3, 7, 8, 9, 12, 17}},           // C
        {16, {12, 13, 14, 15}},                     // D
        {20, {2, 3, 4, 5, 11, 12, 13, 15, 16, 19}}, // E
        {21, {14, 15, 17, 18, 19, 20, 21, 22}},     // F
        {22, {18, 19, 20, 21, 22}},                 // G: special cards only
        {26, {14, 15, 18, 22}},                     // H
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        Meet(c.level);
        EXPECT_EQ(Deck(), c.deck);
    }
}

TEST_F(CreateNpcTest, TheLastLevelIsTheMirrorNamedByTheLanguage) {
    Meet(26);
    Meet(27);
    EXPECT_EQ(opponent.Name(), clsLanguage::instance().Yourself());
    EXPECT_EQ(opponent.Planet(), clsLanguage::instance().Earth());
    EXPECT_FALSE(opponent.Name().isEmpty());
    EXPECT_EQ(opponent.Credits(), 0);
    EXPECT_EQ(opponent.WagerLimit(), 0);
    EXPECT_TRUE(Deck().empty());
    // Another language names the mirror anew at the next opening.
    clsLanguage::instance().setYourself(QStringLiteral("Du selbst"));
    opponent.CreateNPC();
    EXPECT_EQ(opponent.Name(), QStringLiteral("Du selbst"));
}

TEST_F(CreateNpcTest, AnInvalidLevelIsReportedAndLeavesTheDeckEmpty) {
    for (int level : {0, 28}) {
        SCOPED_TRACE(level);
        Meet(1);
        messages.clear();
        Meet(level);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], QStringLiteral("Error 21 in CreateNPC: Invalid player level."));
        EXPECT_TRUE(Deck().empty());
        // What the last valid level set stays.
        EXPECT_EQ(opponent.Name(), QStringLiteral("Rilo Vask"));
        EXPECT_EQ(opponent.BaseCredits(), 75);
    }
}

TEST_F(CreateNpcTest, MeetingAgainKeepsTheCreditsAlreadyWon) {
    Meet(3);
    opponent.setCredits(80);
    Meet(3);
    EXPECT_EQ(opponent.Name(), QStringLiteral("Tessa Qorn"));
    EXPECT_EQ(opponent.Credits(), 80);
    EXPECT_EQ(Stored().TempCredits, 80 - 125);
}
} // namespace
