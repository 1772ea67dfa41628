#include "CampaignFixture.h"
#include "ShellFixture.h"

#include "opponent/CampaignLadder.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "shell/Ports.h"
#include "shell/ScreenCoordinator.h"
#include "shell/ctlButton.h"
#include "shell/frmMain.h"
#include "sidedeck/frmSelectCards.h"
#include "view/CardView.h"
#include "view/PlateButton.h"
#include "view/frmGame.h"

#include <QCursor>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// How a run of the program's event loop ended: the test's goal reached, its time used up, or
// the program quitting by itself (exit code 0 of the loop).
constexpr int Finished = 42;
constexpr int TimedOut = 1;
constexpr int EndedByItself = 0;

int visibleCount(const char* name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String(name) && w->isVisible();
    return count;
}

QWidget* shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

// The program's screens driven as a player drives them: the menu's buttons, the campaign
// window's Play, the wager preset taken with Enter, ten cards and Play, Stand at the table (or
// Escape and Yes to quit), every message answered with its first button. The campaign's texts are
// the fixture's "text n", so the questions are told apart as in the program.
class ScreenFlowTest : public CampaignFixture {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "screen-flow-test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override {
        CampaignFixture::SetUp();
        modSoundSystem::setSoundBank(std::make_unique<RecordingSoundBank>());
        PlayedSounds().clear();
        frmGame::setWaitScale(0.0);
        Random::Seed(11);
        Own(std::vector<int>(CardKind::Count, 2));
        // Without a window manager the pointer decides which window has the keyboard: it is
        // kept off the menu, as a player's hand on the mouse would be.
        QCursor::setPos(0, 0);
        screens = std::make_unique<ScreenCoordinator>();
        screens->ShowMenu();
    }

    void TearDown() override { screens.reset(); }

    frmMain& menu() { return screens->menu(); }

    void press(const char* button) {
        QTimer::singleShot(
            0, [this, button] { menu().findChild<ctlButton*>(QLatin1String(button))->click(); });
    }

    // Runs the program's event loop, one player step at a time, until done() holds with no
    // modal window open.
    int PlayUntil(const std::function<bool()>& done, int timeoutMs = 60000) {
        QTimer driver;
        // Each step runs from its own one-shot timer: a step that waits inside a message box or
        // a pause of the table must not hold up the steps that answer it.
        QObject::connect(&driver, &QTimer::timeout, [this, done] {
            QTimer::singleShot(0, [this, done] {
                Observe();
                if (!QApplication::activeModalWidget() && done())
                    QCoreApplication::exit(Finished);
                else
                    Step();
            });
        });
        driver.start(2);
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(TimedOut); });
        timeout.start(timeoutMs);
        return QApplication::exec();
    }

    void Observe() {
        const int selections = visibleCount("frmSelectCards");
        const int tables = visibleCount("frmGame");
        mostSelections = std::max(mostSelections, selections);
        tableSeen = tableSeen || tables > 0;
        if (visibleCount("frmCampaign") > 0 && selections + tables > 0)
            campaignOverMatch = true;
    }

    void Step() {
        if (QWidget* modal = QApplication::activeModalWidget())
            Answer(modal);
        else if (QWidget* selection = shown("frmSelectCards"))
            Choose(selection);
        else if (QWidget* table = shown("frmGame");
                 table && qobject_cast<frmGame*>(table)->table().match().Player().CanAct)
            Act(table);
    }

    void Answer(QWidget* modal) {
        const QString name = modal->objectName();
        if (name == QLatin1String("frmCampaign")) {
            ++campaignsSeen;
            if (campaignPlays > 0) {
                --campaignPlays;
                modal->findChild<ctlButton*>(QStringLiteral("cmdPlay"))->click();
            } else {
                modal->close();
            }
        } else if (name == QLatin1String("frmMessage")) {
            modal->findChild<ctlButton*>(QStringLiteral("cmdFirstButton"))->click();
        } else if (name == QLatin1String("frmWager")) {
            QTest::keyClick(modal->findChild<QLineEdit*>(QStringLiteral("txtWager")),
                            Qt::Key_Return);
        }
    }

    void Choose(QWidget* selection) {
        if (closeSelection) {
            // What the desktop's close (Alt+F4) does to the window.
            closeSelection = false;
            selectionClosed = selection->close();
            return;
        }
        for (int kind = 0; kind < 10; ++kind)
            selection->findChild<CardView*>(QStringLiteral("imgCard%1").arg(kind))->click();
        selection->findChild<PlateButton*>(QStringLiteral("lblButton0"))->click();
    }

    void Act(QWidget* table) {
        if (quitAtTable)
            QTest::keyClick(table, Qt::Key_Escape);
        else
            table->findChild<PlateButton*>(QStringLiteral("lblButton1"))->click();
    }

    bool BackAtTheMenu() const {
        return screens->menu().isVisible() && !shown("frmSelectCards") && !shown("frmGame");
    }

    static int releases() {
        return static_cast<int>(
            std::count(PlayedSounds().begin(), PlayedSounds().end(), ReleasedMark));
    }

    std::unique_ptr<ScreenCoordinator> screens;
    int campaignPlays = 0;
    int campaignsSeen = 0;
    int mostSelections = 0;
    bool campaignOverMatch = false;
    bool tableSeen = false;
    bool quitAtTable = false;
    bool closeSelection = false;
    bool selectionClosed = false;
};

TEST_F(ScreenFlowTest, TheMenuComesBackRestoredAfterAMatchThoughItWasMinimisedBefore) {
    menu().showMinimized();
    ASSERT_TRUE(menu().isMinimized());
    quitAtTable = true;
    press("cmdSinglegame");
    ASSERT_EQ(PlayUntil([this] { return tableSeen && BackAtTheMenu(); }), Finished);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(menu().isMinimized()) << "an empty screen after the match";
}

// After a campaign match the campaign window returns by itself, once, and never over the side
// deck selection or the table; at the last level there is no wager window in between.
class CampaignReturnTest : public ScreenFlowTest, public ::testing::WithParamInterface<int> {};

TEST_P(CampaignReturnTest, TheCampaignWindowComesBackOnceAfterTheMatchByItself) {
    SetLevel(GetParam());
    campaignPlays = 1;
    press("cmdCampaign");
    ASSERT_EQ(PlayUntil([this] { return campaignsSeen >= 2 && BackAtTheMenu(); }), Finished)
        << "the campaign window did not come back while nobody touched the menu";
    EXPECT_TRUE(tableSeen);
    EXPECT_EQ(campaignsSeen, 2);
    EXPECT_FALSE(campaignOverMatch) << "a campaign window opened over the match";
    EXPECT_EQ(mostSelections, 1);
    EXPECT_EQ(visibleCount("frmSelectCards"), 0) << "a side deck selection was left over";
}

INSTANTIATE_TEST_SUITE_P(Levels, CampaignReturnTest,
                         ::testing::Values(1, CampaignLadder::LastLevel));

// The desktop closing the side deck selection (Alt+F4) leads back where the match was chosen
// from; the program goes on, with its sound.
class DesktopCloseTest : public ScreenFlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DesktopCloseTest, ClosingTheSideDeckSelectionLeadsBackAndTheProgramGoesOn) {
    const bool campaign = GetParam();
    closeSelection = true;
    campaignPlays = campaign ? 1 : 0;
    press(campaign ? "cmdCampaign" : "cmdSinglegame");
    const auto back = [this, campaign] {
        return selectionClosed && BackAtTheMenu() && (!campaign || campaignsSeen == 2);
    };
    const int ended = PlayUntil(back);
    EXPECT_NE(ended, EndedByItself) << "the program ended when the selection closed";
    ASSERT_EQ(ended, Finished);
    EXPECT_FALSE(tableSeen);
    EXPECT_FALSE(menu().isMinimized());
    EXPECT_EQ(releases(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, DesktopCloseTest, ::testing::Values(false, true));

// The program's message box carries out the first button of the two questions; the box itself
// only says which button closed it.
class MessageFollowUpTest : public ScreenFlowTest {
protected:
    void SetUp() override {
        ScreenFlowTest::SetUp();
        GameState::instance().GameMode = GameState::SingleGame;
    }

    // Shows message through the program's message box and lets answer close it.
    void Ask(const QString& message, const QString& first,
             const std::function<void(QWidget*)>& answer) {
        QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
        ShowMessage(message, first, Text(2));
    }
    static void First(QWidget* box) {
        box->findChild<ctlButton*>(QStringLiteral("cmdFirstButton"))->click();
    }
};

TEST_F(MessageFollowUpTest, YesToTheQuitQuestionAbandonsTheTableAndKeepsSingleGameCredits) {
    struct Case {
        std::int32_t mode, credits, highscore, expected;
    };
    const std::vector<Case> cases{{GameState::SingleGame, 180, 150, 180},
                                  {GameState::SingleGame, 100, 150, 150},
                                  {GameState::Campaign, 900, 150, 150}};
    for (const Case& c : cases) {
        QTest::qWait(5); // what follows the last table, in the mode it was played in
        clsPlayer& player = clsPlayer::instance();
        GameState::instance().GameMode = c.mode;
        player.setHighscore(c.highscore);
        player.setCredits(c.credits);
        frmGame& table = screens->OpenTable();
        ASSERT_TRUE(table.table().IsOpen());
        Ask(clsLanguage::instance().QuitReally(), clsLanguage::instance().Yes(), First);
        EXPECT_FALSE(table.table().IsOpen());
        EXPECT_FALSE(table.isVisible());
        EXPECT_EQ(player.Highscore(), c.expected);
    }
}

TEST_F(MessageFollowUpTest, NoOrEscapeToTheQuitQuestionLeavesTheMatchAlone) {
    frmGame& table = screens->OpenTable();
    const std::vector<std::function<void(QWidget*)>> answers{
        [](QWidget* box) {
            box->findChild<ctlButton*>(QStringLiteral("cmdSecondButton"))->click();
        },
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }};
    for (const auto& answer : answers)
        Ask(clsLanguage::instance().QuitReally(), clsLanguage::instance().Yes(), answer);
    EXPECT_TRUE(table.table().IsOpen());
    EXPECT_EQ(screens->CurrentTable(), &table);
}

TEST_F(MessageFollowUpTest, CancellingTheWaitClosesTheSelectionAndShowsTheMenuAgain) {
    GameState::instance().GameMode = GameState::Multiplayer;
    screens->OpenSideDeckSelection();
    ASSERT_NE(screens->SideDeckSelection(), nullptr);
    ASSERT_FALSE(menu().isVisible());
    QSignalSpy ready(screens.get(), &ScreenCoordinator::localPlayerReady);
    QSignalSpy left(screens.get(), &ScreenCoordinator::sideDeckLeft);
    // Play: the other player is not ready yet, so the waiting box comes up; Cancel gives up.
    QTimer::singleShot(0, [] { First(QApplication::activeModalWidget()); });
    Choose(screens->SideDeckSelection());
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(left.count(), 1);
    EXPECT_TRUE(menu().isVisible());
    QTest::qWait(10);
    EXPECT_EQ(screens->SideDeckSelection(), nullptr);
}

TEST_F(MessageFollowUpTest, OtherTextsOnlyCloseTheBox) {
    menu().hide();
    frmGame& table = screens->OpenTable();
    QSignalSpy left(screens.get(), &ScreenCoordinator::sideDeckLeft);
    Ask(Text(3), {}, First);
    EXPECT_TRUE(table.table().IsOpen());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(left.count(), 0);
}

} // namespace
