#include "CampaignMatchFixture.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"

namespace {
class CampaignMatchTest : public CampaignMatchFixture {
protected:
    clsPlayer& player = clsPlayer::instance();
    clsOpponent& opponent = clsOpponent::instance();
    const clsLanguage& texts = clsLanguage::instance();

    // The opponent of the level, left with the given credits.
    void Facing(int level, std::int32_t opponentCredits) {
        SetLevel(level);
        opponent.CreateNPC();
        opponent.setCredits(opponentCredits);
    }
};

TEST_F(CampaignMatchTest, TheStakeIsHeldDuringTheMatchAndSettledAtItsEnd) {
    struct Case {
        bool won;
        std::int32_t credits;
        std::int32_t opponentCredits;
        int wins;
        int losses;
    };
    for (const Case c : {Case{true, 130, 170, 1, 0}, Case{false, 70, 230, 0, 1}}) {
        SCOPED_TRACE(c.won);
        player.setCredits(100);
        player.setWins(0);
        player.setLosses(0);
        Facing(5, 200);
        StartMatch(30);
        EXPECT_EQ(player.Credits(), 70);
        EXPECT_EQ(opponent.Credits(), 230);
        EXPECT_EQ(player.Losses(), 1); // booked in advance
        if (c.won)
            WinMatch();
        else
            LoseMatch();
        EXPECT_FALSE(table->IsOpen());
        EXPECT_EQ(player.Credits(), c.credits);
        EXPECT_EQ(opponent.Credits(), c.opponentCredits);
        EXPECT_EQ(player.Wins(), c.wins);
        EXPECT_EQ(player.Losses(), c.losses);
        EXPECT_EQ(player.Level(), 5);
        EXPECT_TRUE(Stored().checksumValid());
    }
}

TEST_F(CampaignMatchTest, TheLevelRisesOnlyWhenTheOpponentHasNoCreditLeft) {
    struct Case {
        std::int32_t opponentCredits; // before the match
        int level;                    // after the win
    };
    for (const Case c : {Case{31, 5}, Case{30, 6}}) {
        SCOPED_TRACE(c.opponentCredits);
        player.setCredits(100);
        Facing(5, c.opponentCredits);
        StartMatch(30);
        ports.messages.clear();
        WinMatch();
        EXPECT_EQ(player.Level(), c.level);
        if (c.level == 6) {
            EXPECT_EQ(ports.messages.back(), texts.NextLevel());
            EXPECT_EQ(Stored().TempCredits, 0); // the next opponent starts with full credits
        } else {
            EXPECT_EQ(opponent.Credits(), 1);
            EXPECT_EQ(ports.messages.back(), texts.MatchWon());
        }
    }
}

TEST_F(CampaignMatchTest, BeatingTheLastOpponentEndsTheCampaign) {
    player.setCredits(5000);
    Facing(26, 40);
    StartMatch(40);
    ports.messages.clear();
    WinMatch();
    EXPECT_EQ(player.Level(), 27);
    EXPECT_EQ(ports.messages.back(), texts.CampaignEnd());
}

TEST_F(CampaignMatchTest, AtTheMirrorNoCreditsMove) {
    player.setCredits(300);
    Facing(27, 0);
    StartMatch(0);
    EXPECT_EQ(player.Credits(), 300);
    EXPECT_EQ(player.Losses(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(table->computer().HandCards()[i].Kind, player.HandCard(i));
    WinMatch();
    EXPECT_EQ(player.Credits(), 300);
    EXPECT_EQ(opponent.Credits(), 0);
    EXPECT_EQ(player.Level(), 27);
    EXPECT_EQ(player.Wins(), 1);
    EXPECT_EQ(player.Losses(), 0);
}

TEST_F(CampaignMatchTest, WonCreditsSurviveARestart) {
    player.setCredits(100);
    Facing(4, 150);
    StartMatch(25);
    WinMatch();
    ASSERT_EQ(opponent.Credits(), 125);
    ASSERT_TRUE(Restart());
    EXPECT_TRUE(messages.empty());
    opponent.CreateNPC();
    EXPECT_EQ(opponent.Credits(), 125);
    EXPECT_EQ(player.Credits(), 125);
}

TEST_F(CampaignMatchTest, ANewPlayerClimbsPastTheFirstOpponent) {
    int matches = 0;
    while (player.Level() == 1 && matches < 10) {
        StartMatch(PresetWager);
        EXPECT_EQ(opponent.Name(), QStringLiteral("Rilo Vask"));
        WinMatch();
        ++matches;
    }
    // Rilo Vask brings 75 credits and wagers at most 15 at a time.
    EXPECT_EQ(matches, 5);
    EXPECT_EQ(player.Level(), 2);
    EXPECT_EQ(player.Credits(), 175);
    EXPECT_EQ(ports.messages.back(), texts.NextLevel());
    ASSERT_TRUE(Restart());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Stored().checksumValid());
    EXPECT_EQ(player.Level(), 2);
    EXPECT_EQ(player.Wins(), 5);
    EXPECT_EQ(player.Losses(), 0);
    opponent.CreateNPC();
    EXPECT_EQ(opponent.Name(), QStringLiteral("Marek Oss"));
    EXPECT_EQ(opponent.Credits(), 120);
}
} // namespace
