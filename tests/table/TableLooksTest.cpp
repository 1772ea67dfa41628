#include "ShellFixture.h"

#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "rules/TableModel.h"
#include "shell/Ports.h"
#include "view/PlateButton.h"
#include "view/ScoreBoard.h"
#include "view/frmGame.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
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
        waitFor([this] { return game->table().match().Player().CanAct; });
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

    void activate() {
        QApplication::setActiveWindow(game);
        ASSERT_TRUE(QTest::qWaitForWindowActive(game));
    }
    QString handText(int i) const {
        return game->table().model().text(TableModel::FirstHandSlot + i).toQString();
    }
    static QAccessibleInterface* accessible(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w);
    }
    QWidget* child(const QString& name) const { return game->findChild<QWidget*>(name); }

    QPointer<frmGame> game;
};

// A player who presses Enter to end the turn must not lose a hand card: the keyboard starts on
// End Turn.
TEST_F(TableLooksTest, EnterOnAFreshTableEndsTheTurnAndKeepsTheHand) {
    activate();
    ASSERT_EQ(QApplication::focusWidget(), button(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(game->table().model().text(TableModel::SideSlots).empty())
        << "the computer had its turn";
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(handText(i).isEmpty()) << "hand card " << i + 1;
}

// Outside multiplayer the chat strip lies below the window: Tab never lands there, nor on
// anything else that cannot be seen.
TEST_F(TableLooksTest, TabVisitsOnlyWhatIsOnTheTable) {
    activate();
    std::vector<QWidget*> visited;
    for (int step = 0; step < 24; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(focused->isVisible()) << focused->objectName().toStdString();
        EXPECT_TRUE(game->rect().contains(QRect(focused->mapTo(game, QPoint()), focused->size())))
            << focused->objectName().toStdString();
        visited.push_back(focused);
    }
    EXPECT_NE(std::find(visited.begin(), visited.end(), button(2)), visited.end())
        << "Quit Game is on the way";
    EXPECT_EQ(std::find(visited.begin(), visited.end(), button(3)), visited.end());
}

// Every piece of the table reads by name: each place by its side and number, the opponent's
// face-down hand, whose turn it is, both counts; what the player cannot use says so.
TEST_F(TableLooksTest, AssistiveToolsReadTheTableAndWhatCanBeUsed) {
    clsPlayer::instance().setName(QStringLiteral("Anna"));
    delete game.data();
    game = new frmGame;
    game->StartMatch();
    game->show();
    waitFor([this] { return game->table().match().Player().CanAct; });
    for (int slot = 0; slot < TableModel::FirstHandSlot; ++slot) {
        QAccessibleInterface* place = accessible(child(QStringLiteral("imgCard%1").arg(slot)));
        const QString side = slot < TableModel::SideSlots ? QStringLiteral("Anna ") : QString();
        EXPECT_TRUE(place->text(QAccessible::Name).startsWith(side) &&
                    place->text(QAccessible::Name)
                        .contains(QStringLiteral(" %1: ").arg(slot % TableModel::SideSlots + 1)))
            << place->text(QAccessible::Name).toStdString();
        EXPECT_EQ(place->role(), QAccessible::Graphic);
    }
    EXPECT_FALSE(
        accessible(child(QStringLiteral("imgOpponentHand0")))->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(accessible(child(QStringLiteral("imgRed0")))->text(QAccessible::Name),
              QStringLiteral("\u25B6 Anna"));
    EXPECT_TRUE(child(QStringLiteral("imgRed0"))->isVisible());
    const QString count = QString::number(game->table().match().Player().Count);
    EXPECT_EQ(accessible(child(QStringLiteral("lblPlayerCount")))->text(QAccessible::Name),
              QStringLiteral("Anna: ") + count);
    EXPECT_FALSE(accessible(button(0))->state().disabled);
    EXPECT_FALSE(accessible(child(QStringLiteral("imgCard19")))->state().disabled);

    const int target = game->table().model().FreeSlot(0);
    QTest::mouseClick(child(QStringLiteral("imgCard18")), Qt::LeftButton);
    EXPECT_TRUE(accessible(child(QStringLiteral("imgCard19")))->state().disabled)
        << "one hand card a turn";
    EXPECT_FALSE(accessible(button(0))->state().disabled);
    const QString laid = game->table().model().text(target).toQString();
    ASSERT_FALSE(laid.isEmpty());
    EXPECT_EQ(accessible(child(QStringLiteral("imgCard%1").arg(target)))->text(QAccessible::Name),
              QStringLiteral("Anna %1: ").arg(target + 1) + laid);
}

TEST_F(TableLooksTest, EndTurnAndStandReportInactiveWhileTheComputerMoves) {
    frmGame::setWaitScale(1.0);
    bool checked = false;
    QTimer::singleShot(100, [&] {
        ASSERT_FALSE(game->table().match().Player().CanAct);
        for (int i : {0, 1}) {
            EXPECT_TRUE(accessible(button(i))->state().disabled) << i;
            EXPECT_TRUE(button(i)->isEnabled()) << "its looks and events stay";
        }
        EXPECT_FALSE(accessible(button(2))->state().disabled) << "Quit Game is always there";
        EXPECT_TRUE(child(QStringLiteral("imgRed1"))->isVisible());
        checked = true;
    });
    QTest::mouseClick(button(0), Qt::LeftButton);
    waitFor([&] { return checked; });
    waitFor([this] { return game->table().match().Player().CanAct; });
    EXPECT_FALSE(accessible(button(0))->state().disabled);
}

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
        ASSERT_FALSE(game->table().match().Player().CanAct);
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

namespace {

// The top of the table on its own: what its lines say after a given state.
class ScoreBoardTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        GameState::instance().GameMode = GameState::SingleGame;
        clsPlayer::instance().setName(QStringLiteral("Anna"));
        clsLanguage::instance().setWager(QStringLiteral("Wager"));
    }
    QString line(const char* name) const {
        return table.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QString colour(const char* name) const {
        return table.findChild<QLabel*>(QString::fromLatin1(name))->styleSheet();
    }
    QWidget table;
    MatchState match;
    ScoreBoard board{&table, match};
};

TEST_F(ScoreBoardTest, ACountOverTwentyShowsAsABustAtOnce) {
    board.CountsChanged(21, 20);
    EXPECT_EQ(line("lblPlayerCount"), QStringLiteral("21"));
    EXPECT_TRUE(colour("lblPlayerCount").contains(QStringLiteral("230, 64, 48")));
    EXPECT_FALSE(colour("lblOpponentCount").contains(QStringLiteral("230, 64, 48")));
    board.CountsChanged(19, 20);
    EXPECT_FALSE(colour("lblPlayerCount").contains(QStringLiteral("230, 64, 48")));
}

TEST_F(ScoreBoardTest, TheStakeShowsWhereCreditsAreAtStake) {
    clsPlayer::instance().setCredits(400);
    clsPlayer::instance().Wager = 50;
    board.TextsOnLoad();
    EXPECT_EQ(line("lblStake"), QStringLiteral("Wager: 50   Credits: 400"));
    GameState::instance().GameMode = GameState::Multiplayer;
    QWidget other;
    ScoreBoard multiplayer(&other, match);
    multiplayer.TextsOnLoad();
    EXPECT_TRUE(other.findChild<QLabel*>(QStringLiteral("lblStake"))->text().isEmpty());
}

TEST_F(ScoreBoardTest, ASetWonOnTheTieBreakerSaysWhy) {
    clsLanguage::instance().setCardDescription_T(QStringLiteral("wins a tie"));
    MatchState::Side& player = match.Player();
    MatchState::Side& opponent = match.Opponent();
    player.Count = opponent.Count = 18;
    player.Stand = opponent.Stand = true;
    board.SetDecided(0);
    EXPECT_EQ(line("lblStatus"), QStringLiteral("Anna: 18 = 18 \u2192 \u00B11T \u2013 wins a tie"));
    board.ClearStands();
    EXPECT_TRUE(line("lblStatus").isEmpty());
    opponent.Stand = false; // a ninth card on equal counts is no tie-breaker
    board.SetDecided(0);
    EXPECT_TRUE(line("lblStatus").isEmpty());
    opponent.Stand = true;
    opponent.Count = 17;
    board.SetDecided(0);
    EXPECT_TRUE(line("lblStatus").isEmpty());
}

} // namespace
