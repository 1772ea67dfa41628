#include "ShellFixture.h"

#include "campaign/WagerRules.h"
#include "campaign/frmWager.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "shell/ctlButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

struct WagerCase {
    const char* text;
    std::int32_t credits;
    std::int32_t maxWager;
    bool accepted;
};

class WagerRulesTest : public ::testing::TestWithParam<WagerCase> {};

TEST_P(WagerRulesTest, AcceptsOnlyAmountsWithinEveryLimit) {
    const WagerCase& c = GetParam();
    EXPECT_EQ(WagerRules::Accepts(QString::fromLatin1(c.text), c.credits, c.maxWager), c.accepted)
        << c.text << " with " << c.credits << " credits, limit " << c.maxWager;
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, WagerRulesTest,
    ::testing::Values(WagerCase{"75", 120, 75, true}, WagerCase{"76", 120, 75, false},
                      WagerCase{"0", 120, 75, true}, WagerCase{"", 120, 75, false},
                      WagerCase{"121", 500, 500, true}, WagerCase{"501", 500, 2147483646, false},
                      WagerCase{"1073741823", 2147483000, 2147483646, true},
                      WagerCase{"1073741824", 2147483000, 2147483646, false},
                      WagerCase{"99999999999999999999999", 2147483000, 2147483646, false},
                      WagerCase{"-5", 120, 75, false}, WagerCase{"+5", 120, 75, false},
                      WagerCase{"1e2", 500, 500, false}, WagerCase{" 5", 120, 75, false}));

// The window over a campaign opponent with 400 credits and a limit of 75, or a single game.
class WagerWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        clsLanguage::instance().setWager(QStringLiteral("Wager"));
        clsLanguage::instance().setHighscore(QStringLiteral("Highscore"));
        clsLanguage::instance().setWagerMax(QStringLiteral("Maximum"));
    }
    static void campaign(std::int32_t credits, std::int32_t opponentCredits) {
        GameState::instance().GameMode = GameState::Campaign;
        clsPlayer::instance().setCredits(credits);
        clsOpponent::instance().setBaseCredits(opponentCredits);
        clsOpponent::instance().setWagerLimit(75);
    }
    void open() { window = std::make_unique<frmWager>(); }
    QLineEdit* text() const { return window->findChild<QLineEdit*>(QStringLiteral("txtWager")); }
    ctlButton* button(const char* name) const {
        return window->findChild<ctlButton*>(QString::fromLatin1(name));
    }
    QString info(int i) const {
        return window->findChild<QLabel*>(QStringLiteral("lblInfo%1").arg(i))->text();
    }
    std::unique_ptr<frmWager> window;
};

TEST_F(WagerWindowTest, CampaignPresetIsTheLimitAndOneMoreIsRefused) {
    campaign(120, 400);
    open();
    EXPECT_EQ(text()->text(), QStringLiteral("75"));
    EXPECT_TRUE(button("cmdWager")->isEnabled());
    EXPECT_EQ(info(1), QStringLiteral("Maximum: 75"));
    EXPECT_EQ(info(2), QStringLiteral("Credits: 120"));
    text()->setText(QStringLiteral("76"));
    EXPECT_FALSE(button("cmdWager")->isEnabled());
    text()->setText(QStringLiteral("0"));
    EXPECT_TRUE(button("cmdWager")->isEnabled());
    text()->clear();
    EXPECT_FALSE(button("cmdWager")->isEnabled());
}

TEST_F(WagerWindowTest, PresetIsTheSmallerOfCreditsAndWhatTheOpponentHolds) {
    campaign(120, 40);
    open();
    EXPECT_EQ(text()->text(), QStringLiteral("40"));
    campaign(25, 40);
    open();
    EXPECT_EQ(text()->text(), QStringLiteral("25"));
}

TEST_F(WagerWindowTest, SingleGameShowsTheHighscoreAndPresetsAllCredits) {
    GameState::instance().GameMode = GameState::SingleGame;
    clsPlayer::instance().setCredits(5000);
    clsPlayer::instance().setHighscore(9000);
    open();
    EXPECT_EQ(text()->text(), QStringLiteral("5000"));
    EXPECT_EQ(info(1), QStringLiteral("Highscore: 9000"));
}

TEST_F(WagerWindowTest, TooLargeForTwiceTheWagerIsRefusedWhateverTheCredits) {
    GameState::instance().GameMode = GameState::SingleGame;
    clsPlayer::instance().setCredits(2000000000);
    clsPlayer::instance().Wager = 5;
    open();
    text()->setText(QStringLiteral("1073741824"));
    EXPECT_FALSE(button("cmdWager")->isEnabled());
    QTest::keyClick(text(), Qt::Key_Return);
    EXPECT_NE(window->result(), QDialog::Accepted);
    EXPECT_EQ(clsPlayer::instance().Wager, 5);
}

TEST_F(WagerWindowTest, EnterStoresTheAmountLikeTheButtonAndLettersAreDropped) {
    campaign(120, 400);
    clsPlayer::instance().Wager = -1;
    open();
    QSignalSpy stored(window.get(), &frmWager::wagerStored);
    text()->clear();
    QTest::keyClicks(text(), QStringLiteral("4x2!"));
    EXPECT_EQ(text()->text(), QStringLiteral("42"));
    QTest::keyClick(text(), Qt::Key_Return);
    EXPECT_EQ(clsPlayer::instance().Wager, 42);
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(stored.at(0).at(0).toInt(), 42);
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

// Tab arrives as a typed tab character; it still moves on, both ways, and types nothing.
TEST_F(WagerWindowTest, TabLeavesTheAmountBoxBothWays) {
    campaign(120, 400);
    open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        text()->setFocus();
        ASSERT_TRUE(text()->hasFocus());
        QTest::keyClick(text(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_FALSE(text()->hasFocus()) << key;
        EXPECT_EQ(text()->text(), QStringLiteral("75"));
    }
}

TEST_F(WagerWindowTest, EndButtonLeavesWithoutAWager) {
    campaign(120, 400);
    clsPlayer::instance().Wager = 7;
    open();
    QSignalSpy ended(window.get(), &frmWager::ended);
    QTest::mouseClick(button("cmdEnd"), Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(clsPlayer::instance().Wager, 7);
}

} // namespace
