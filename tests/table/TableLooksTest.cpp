#include "ShellFixture.h"

#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "rules/PlateButton.h"
#include "rules/Random.h"
#include "rules/frmGame.h"
#include "shell/Ports.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// A single-game table on screen with the player to move.
class TableLooksTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        Ports::installShowMessage([](const QString&, const QString&, const QString&) {});
        GameState::instance().GameMode = GameState::SingleGame;
        for (int i = 0; i < 4; ++i)
            clsPlayer::instance().setHandCard(i, static_cast<std::int16_t>(i));
        Random::Seed(7);
        frmGame::setWaitScale(0.0);
        game = new frmGame;
        game->StartMatch();
        game->show();
        waitFor([] { return clsPlayer::instance().CanAct; });
        PlayedSounds().clear();
    }
    void TearDown() override { delete game.data(); }

    static void waitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(done());
    }
    PlateButton* button(int i) const {
        return game->findChild<PlateButton*>(QStringLiteral("lblButton%1").arg(i));
    }
    static void moveOver(QWidget* w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
    }

    QPointer<frmGame> game;
};

TEST_F(TableLooksTest, FromEndTurnStraightOntoStandKeepsOneHighlight) {
    moveOver(button(0));
    moveOver(button(0));
    moveOver(button(1));
    EXPECT_TRUE(button(0)->Highlighted());
    EXPECT_FALSE(button(1)->Highlighted()) << "the flag blocks a second highlight";
    EXPECT_TRUE(game->HighlightFlag());
    EXPECT_EQ(countOf(3), 1) << "one hover sound";
    moveOver(game);
    EXPECT_FALSE(button(0)->Highlighted());
    EXPECT_FALSE(game->HighlightFlag());
    moveOver(button(1));
    EXPECT_TRUE(button(1)->Highlighted());
    EXPECT_EQ(countOf(3), 2);
}

TEST_F(TableLooksTest, WhileTheComputerMovesEndTurnAndStandStayInactiveAndSilent) {
    // The computer thinks for real time now, so the looks can be checked in the middle of it.
    frmGame::setWaitScale(1.0);
    bool checked = false;
    QTimer::singleShot(100, [&] {
        ASSERT_FALSE(clsPlayer::instance().CanAct);
        PlayedSounds().clear();
        for (int i : {0, 1, 0})
            moveOver(button(i));
        moveOver(game);
        EXPECT_EQ(countOf(3), 0) << "no hover sound while the computer moves";
        EXPECT_TRUE(button(0)->Highlighted());
        EXPECT_TRUE(button(1)->Highlighted()) << "the background does not restore them";
        moveOver(button(2));
        EXPECT_EQ(countOf(3), 1) << "Quit Game always sounds";
        checked = true;
    });
    QTest::mouseClick(button(0), Qt::LeftButton);
    waitFor([&] { return checked; });
}

} // namespace
