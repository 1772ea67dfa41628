#include "ShellFixture.h"

#include "profile/clsPlayer.h"
#include "rules/Random.h"
#include "shell/ScreenCoordinator.h"
#include "shell/ctlButton.h"
#include "shell/frmMain.h"
#include "shell/frmMessage.h"
#include "view/CardView.h"
#include "view/PlateButton.h"
#include "view/frmGame.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

QWidget* shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

// Plays a whole single-game series through the real windows, as a player would: wager, ten
// cards, End Turn or Stand at the table, every message answered with its first button.
class SingleSeriesTest : public ShellFixture {
protected:
    struct Match {
        std::int32_t credits;
        std::int32_t wager;
    };

    void SetUp() override {
        ShellFixture::SetUp();
        clsLanguage& t = clsLanguage::instance();
        t.setMatchWon(QStringLiteral("Match won"));
        t.setMatchLost(QStringLiteral("Match lost"));
        t.setNoCreditsLeft(QStringLiteral("No credits left"));
        t.setSetWon(QStringLiteral("Set won"));
        t.setSetLost(QStringLiteral("Set lost"));
        t.setSetTied(QStringLiteral("Set tied"));
        screens = std::make_unique<ScreenCoordinator>();
        frmGame::setWaitScale(0.0);
        Random::Seed(2024);
    }

    void drive() {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else if (QWidget* deck = shown("frmSelectCards"))
            chooseCards(deck);
        else if (const auto* game = qobject_cast<frmGame*>(shown("frmGame"));
                 game && game->table().match().Player().CanAct)
            play(shown("frmGame"));
    }

    void answer(QWidget* modal) {
        if (modal->objectName() == QLatin1String("frmMessage")) {
            messages.push_back(modal->findChild<QLabel*>(QStringLiteral("lblMessage"))->text());
            modal->findChild<ctlButton*>(QStringLiteral("cmdFirstButton"))->click();
            return;
        }
        auto* amount = modal->findChild<QLineEdit*>(QStringLiteral("txtWager"));
        // The first match risks part of the credits, so the series goes on; later ones all.
        if (matches.empty())
            amount->setText(QStringLiteral("10"));
        matches.push_back({clsPlayer::instance().Credits(), amount->text().toInt()});
        QTest::keyClick(amount, Qt::Key_Return);
    }

    static void chooseCards(QWidget* deck) {
        for (int kind = 0; kind < 10; ++kind)
            deck->findChild<CardView*>(QStringLiteral("imgCard%1").arg(kind))->click();
        deck->findChild<PlateButton*>(QStringLiteral("lblButton0"))->click();
    }

    // The first match is played for real; later ones stand at once and are soon lost.
    void play(QWidget* game) {
        const bool careful = matches.size() == 1;
        const int count = qobject_cast<frmGame*>(game)->table().match().Player().Count;
        const int button = careful && count < 17 ? 0 : 1;
        game->findChild<PlateButton*>(QStringLiteral("lblButton%1").arg(button))->click();
    }

    std::unique_ptr<ScreenCoordinator> screens;
    std::vector<QString> messages;
    std::vector<Match> matches;
};

TEST_F(SingleSeriesTest, MenuSideDeckWagerTableUntilTheCreditsAreGone) {
    clsPlayer::instance().setHighscore(0);
    frmMain& menu = screens->menu();
    screens->ShowMenu();
    QTimer driver;
    // Each step runs from its own one-shot timer: a step that waits inside a message box or a
    // pause of the table must not hold up the steps that answer it.
    QObject::connect(&driver, &QTimer::timeout,
                     [this] { QTimer::singleShot(0, [this] { drive(); }); });
    driver.start(1);
    menu.findChild<ctlButton*>(QStringLiteral("cmdSinglegame"))->click();
    EXPECT_EQ(clsPlayer::instance().Credits(), 25);
    QElapsedTimer clock;
    clock.start();
    const auto over = [&] {
        return clsPlayer::instance().Credits() <= 0 && menu.isVisible() && !shown("frmGame") &&
               !shown("frmSelectCards") && !QApplication::activeModalWidget();
    };
    while (!over() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    driver.stop();
    ASSERT_TRUE(over()) << "the series ends at the main menu";
    ASSERT_GE(matches.size(), 2u) << "a second match followed the first";
    EXPECT_EQ(matches[0].credits, 25);
    EXPECT_EQ(matches[0].wager, 10);

    // Every match moved the credits by its wager, and the highscore kept the best of them.
    std::vector<QString> results;
    for (const QString& m : messages) {
        if (m.startsWith(QStringLiteral("Match")))
            results.push_back(m);
    }
    ASSERT_EQ(results.size(), matches.size());
    std::int32_t best = 0;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const bool won = results[i] == QStringLiteral("Match won");
        const std::int32_t after = matches[i].credits + (won ? 1 : -1) * matches[i].wager;
        best = std::max(best, after);
        const std::int32_t next = i + 1 < matches.size() ? matches[i + 1].credits : 0;
        EXPECT_EQ(after, next) << "match " << i;
        if (i > 0) {
            EXPECT_EQ(matches[i].wager, matches[i].credits) << "the preset is all credits";
        }
    }
    EXPECT_EQ(results.back(), QStringLiteral("Match lost\r\nNo credits left"));
    EXPECT_EQ(clsPlayer::instance().Highscore(), best);
    EXPECT_EQ(
        messages.size(), std::count_if(messages.begin(), messages.end(), [](const QString& m) {
            return m.startsWith(QStringLiteral("Set")) || m.startsWith(QStringLiteral("Match"));
        }));
}

} // namespace
