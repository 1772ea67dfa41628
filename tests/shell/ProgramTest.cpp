#include "ShellFixture.h"

#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "shell/Ports.h"
#include "shell/ScreenCoordinator.h"
#include "shell/ctlButton.h"
#include "shell/frmMain.h"
#include "shell/modShell.h"
#include "shell/modWindow.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Shown {
    QString message, first, second;
};

class ProgramTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        Ports::installShowMessage([this](const QString& m, const QString& f, const QString& s) {
            shown.push_back({m, f, s});
        });
    }
    std::vector<Shown> shown;
};

TEST_F(ProgramTest, ReportErrorNamesNumberSourceAndDescription) {
    const std::vector<std::tuple<long, QString, QString, QString>> cases{
        {53, QStringLiteral("AI_Play"), QStringLiteral("File not found"),
         QStringLiteral("Error 53 in AI_Play: File not found")},
        {-2147467259, QStringLiteral("SendCommand"), QStringLiteral("Failed"),
         QStringLiteral("Error -2147467259 in SendCommand: Failed")},
        {0, QStringLiteral("X"), QString(), QStringLiteral("Error 0 in X: ")},
    };
    for (const auto& [number, source, description, text] : cases) {
        shown.clear();
        ReportError(number, source, description);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].message, text);
        EXPECT_TRUE(shown[0].first.isEmpty());
        EXPECT_TRUE(shown[0].second.isEmpty());
    }
}

TEST_F(ProgramTest, UnloadOtherFormsKeepsTheMenuAndTheTableUnlessAsked) {
    for (bool alsoGame : {false, true}) {
        QWidget menu, table, selection, box;
        menu.setObjectName(QStringLiteral("frmMain"));
        table.setObjectName(QStringLiteral("frmGame"));
        selection.setObjectName(QStringLiteral("frmSelectCards"));
        for (QWidget* w : {&menu, &table, &selection, &box})
            w->show();
        modWindow::UnloadOtherForms(alsoGame);
        EXPECT_TRUE(menu.isVisible());
        EXPECT_EQ(table.isVisible(), !alsoGame);
        EXPECT_FALSE(selection.isVisible());
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ProgramTest, SingleGameCreditsAreAFifthOfTheHighscoreAtLeast25) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases{
        {125, 25}, {126, 25}, {128, 26}, {130, 26}, {0, 25}, {-40, 25}, {1003, 201}};
    for (const auto& [highscore, credits] : cases)
        EXPECT_EQ(frmMain::SingleGameCredits(highscore), credits) << highscore;
}

TEST_F(ProgramTest, SingleGameButtonSetsModeAndCreditsThenOpensTheSelection) {
    GameState::instance().GameMode = GameState::Campaign;
    clsPlayer::instance().setHighscore(128);
    frmMain menu;
    QSignalSpy opened(&menu, &frmMain::singleGameChosen);
    QTest::mouseClick(menu.findChild<ctlButton*>(QStringLiteral("cmdSinglegame")), Qt::LeftButton);
    EXPECT_EQ(GameState::instance().GameMode, GameState::SingleGame);
    EXPECT_EQ(clsPlayer::instance().Credits(), frmMain::SingleGameCredits(128));
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(ProgramTest, MenuButtonsShowTheirLanguageTexts) {
    clsLanguage& t = clsLanguage::instance();
    const std::vector<std::pair<QString, void (clsLanguage::*)(const QString&)>> buttons{
        {QStringLiteral("cmdSettings"), &clsLanguage::setOptions},
        {QStringLiteral("cmdCampaign"), &clsLanguage::setCampaign},
        {QStringLiteral("cmdSinglegame"), &clsLanguage::setSinglegame},
        {QStringLiteral("cmdMultiPlayer"), &clsLanguage::setMultiplayer},
        {QStringLiteral("cmdInfo"), &clsLanguage::setInfo},
        {QStringLiteral("cmdUpdate"), &clsLanguage::setUpdate},
        {QStringLiteral("cmdHelp"), &clsLanguage::setUserGuide},
        {QStringLiteral("cmdEnd"), &clsLanguage::setQuit},
    };
    for (const auto& [name, set] : buttons)
        (t.*set)(QStringLiteral("text of ") + name);
    frmMain menu;
    menu.Form_Language();
    for (const auto& [name, set] : buttons)
        EXPECT_EQ(menu.findChild<ctlButton*>(name)->Caption(), QStringLiteral("text of ") + name);
}

TEST_F(ProgramTest, F1OpensTheUserGuideLikeItsButton) {
    frmMain menu;
    QSignalSpy opened(&menu, &frmMain::userGuideChosen);
    QTest::mouseClick(menu.findChild<ctlButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    QTest::keyClick(&menu, Qt::Key_F1);
    QTest::keyClick(&menu, Qt::Key_F2);
    EXPECT_EQ(opened.count(), 2);
    EXPECT_TRUE(frmMain::UserGuideAddress().endsWith(QStringLiteral("/index.php?page=userguide")));
}

TEST_F(ProgramTest, SecondaryWindowsCentreOverTheMenuWhereverItIs) {
    QWidget menu;
    menu.setGeometry(137, 91, 600, 450);
    modWindow::setMainWindow(&menu);
    QWidget box;
    box.resize(411, 114);
    modWindow::CenterOverMain(&box);
    const QPoint menuCentre = menu.frameGeometry().center();
    const QPoint boxCentre = box.geometry().center();
    EXPECT_LE((menuCentre - boxCentre).manhattanLength(), 2);
}

TEST_F(ProgramTest, MissingFontIsReportedWithAFixedOk) {
    QTemporaryDir empty;
    EXPECT_FALSE(modShell::LoadProgramFont(empty.path()));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, QStringLiteral("The font file kvfont.ttf could not be loaded."));
    EXPECT_EQ(shown[0].first, QStringLiteral("OK"));
}

TEST_F(ProgramTest, TheShippedFontLoads) {
    EXPECT_TRUE(modShell::LoadProgramFont(QStringLiteral(QB_BIN_FOLDER)));
    EXPECT_TRUE(shown.empty());
}

// The bank of the ended process reports its release where the test can see it.
class StderrReleaseBank : public RecordingSoundBank {
public:
    void Release() override { std::fputs("sound released\n", stderr); }
};

TEST_F(ProgramTest, EndProgramReleasesTheSoundAndEndsAtOnce) {
    modSoundSystem::setSoundBank(std::make_unique<StderrReleaseBank>());
    EXPECT_EXIT(
        {
            ScreenCoordinator screens;
            EndProgram();
        },
        ::testing::ExitedWithCode(0), "sound released");
}

// The desktop closing the menu ends the program the same one way.
TEST_F(ProgramTest, TheDesktopClosingTheMenuEndsTheProgramThroughEndProgram) {
    modSoundSystem::setSoundBank(std::make_unique<StderrReleaseBank>());
    EXPECT_EXIT(
        {
            ScreenCoordinator screens;
            screens.menu().show();
            screens.menu().close();
        },
        ::testing::ExitedWithCode(0), "sound released");
}

} // namespace
