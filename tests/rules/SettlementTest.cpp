#include "TableFixture.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"

namespace {
class SettlementTest : public TableFixture {
protected:
    void Stake(std::int32_t credits, std::int32_t wager, std::int32_t highscore) {
        clsPlayer& player = clsPlayer::instance();
        player.setCredits(credits);
        player.setHighscore(highscore);
        player.Wager = wager;
    }
    void WinSets(int side, int n) {
        for (int i = 0; i < n; ++i)
            table.PlayerWin(side);
    }
    const clsLanguage& texts = clsLanguage::instance();
};

TEST_F(SettlementTest, AWonSingleGameAddsTheWagerAndGoesOnWithTheSeries) {
    StartWithPlayerToMove();
    Stake(100, 40, 50);
    WinSets(0, 3);
    EXPECT_EQ(ports.messages,
              (std::vector<QString>{texts.SetWon(), texts.SetWon(), texts.MatchWon()}));
    EXPECT_EQ(ports.markers, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(clsPlayer::instance().Credits(), 140);
    EXPECT_EQ(clsPlayer::instance().Highscore(), 140);
    EXPECT_EQ(ports.stats, std::vector<int>{1});
    EXPECT_EQ(ports.closed, 1);
    EXPECT_EQ(ports.reopened, 1);
    EXPECT_FALSE(table.IsOpen());
}

TEST_F(SettlementTest, LosingTheLastCreditsEndsTheSeries) {
    StartWithPlayerToMove();
    Stake(30, 30, 80);
    WinSets(1, 3);
    const QString last = texts.MatchLost() + QStringLiteral("\r\n") + texts.NoCreditsLeft();
    EXPECT_EQ(ports.messages, (std::vector<QString>{texts.SetLost(), texts.SetLost(), last}));
    EXPECT_EQ(clsPlayer::instance().Credits(), 0);
    EXPECT_EQ(clsPlayer::instance().Highscore(), 80);
    EXPECT_EQ(ports.stats, std::vector<int>{0});
    EXPECT_EQ(ports.closed, 1);
    EXPECT_EQ(ports.reopened, 0);
}

TEST_F(SettlementTest, ALostMatchWithCreditsLeftGoesOnWithTheSeries) {
    StartWithPlayerToMove();
    Stake(100, 30, 100);
    WinSets(2, 2); // ties mark nothing
    WinSets(1, 3);
    EXPECT_EQ(ports.markers, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(ports.messages.back(), texts.MatchLost());
    EXPECT_EQ(clsPlayer::instance().Credits(), 70);
    EXPECT_EQ(ports.reopened, 1);
}

TEST_F(SettlementTest, CampaignWinsTakeTheOpponentsCreditsAndRaiseTheLevel) {
    struct Case {
        int level;
        int expectedLevel;
        std::int32_t expectedCredits;
    };
    for (const Case c : {Case{26, 27, 160}, Case{27, 27, 100}}) {
        SCOPED_TRACE(c.level);
        StartWithPlayerToMove();
        ports.messages.clear();
        GameState::instance().GameMode = GameState::Campaign;
        clsPlayer& player = clsPlayer::instance();
        player.setLevel(static_cast<std::uint8_t>(c.level));
        player.setCredits(100);
        player.Wager = 30;
        clsOpponent::instance().setBaseCredits(50);
        clsOpponent::instance().ResetTempCredits();
        WinSets(0, 3);
        EXPECT_EQ(player.Level(), c.expectedLevel);
        EXPECT_EQ(player.Credits(), c.expectedCredits);
        EXPECT_EQ(player.Wins(), 1);
        player.setWins(0);
        if (c.level == 26) {
            EXPECT_EQ(ports.messages.back(), texts.CampaignEnd());
        }
    }
}

TEST_F(SettlementTest, AbandoningKeepsOnlyTheHighscore) {
    StartWithPlayerToMove();
    Stake(300, 40, 100);
    table.ButtonClick(GameTable::QuitButton);
    EXPECT_EQ(ports.messages, std::vector<QString>{texts.QuitReally()});
    EXPECT_TRUE(table.IsOpen());
    table.QuitConfirmed();
    EXPECT_EQ(clsPlayer::instance().Credits(), 300);
    EXPECT_EQ(clsPlayer::instance().Highscore(), 300);
    EXPECT_EQ(ports.stats, std::vector<int>{0});
    EXPECT_EQ(ports.closed, 1);
    EXPECT_FALSE(table.IsOpen());
}
} // namespace
