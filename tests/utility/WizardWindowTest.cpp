#include "UtilityFixture.h"
#include "UtilityMessages.h"
#include "frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct ShownMessage {
    QString title;
    QString text;
};

class RecordingMessages : public UtilityMessages {
public:
    void showError(QWidget*, const QString& text) override { shown.push_back({{}, text}); }
    bool confirm(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({title, text});
        return answer;
    }

    std::vector<ShownMessage> shown;
    bool answer = true;
};

class WizardWindow : public UtilityFixture {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "utility-window-test";
        static char* argv[] = {name, nullptr};
        // Kept to the end of the process: Qt must not be torn down among static destructors.
        if (!QApplication::instance())
            s_application = new QApplication(argc, argv);
    }
    static inline QApplication* s_application = nullptr;

    void SetUp() override {
        UtilityFixture::SetUp();
        m_window = std::make_unique<frmMain>(*m_model, m_messages);
        m_window->show();
    }

    const WizardPages& pages() const { return m_window->pages(); }
    // The one page that is visible.
    QWidget* visiblePage() const {
        QWidget* visible = nullptr;
        for (QWidget* page : pages().all()) {
            if (!page->isHidden()) {
                EXPECT_EQ(visible, nullptr) << "two pages visible";
                visible = page;
            }
        }
        return visible;
    }
    void next() { QTest::mouseClick(m_window->cmdNext(), Qt::LeftButton); }
    void back() { QTest::mouseClick(m_window->cmdBack(), Qt::LeftButton); }
    QCheckBox* box(ResetPart part) const {
        return pages().chkReset[static_cast<std::size_t>(part)];
    }

    RecordingMessages m_messages;
    std::unique_ptr<frmMain> m_window;
};

TEST_F(WizardWindow, StartsOnTheSelectionPageWithItsDefaults) {
    EXPECT_EQ(m_window->lblHeader()->text(), QStringLiteral("Quelta Brovel Utility v1.4"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Quelta Brovel Utility"));
    EXPECT_EQ(visiblePage(), pages().picSelection);
    EXPECT_TRUE(pages().optConvertRegistry->isChecked());
    EXPECT_FALSE(m_window->cmdBack()->isEnabled());
    EXPECT_EQ(m_window->cmdBack()->text(), QStringLiteral("< Back"));
    EXPECT_EQ(m_window->cmdNext()->text(), QStringLiteral("Next >"));
    EXPECT_TRUE(m_window->cmdNext()->isDefault());
    EXPECT_EQ(m_window->cmdCancel()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(pages().chkDelete->isChecked());
    EXPECT_FALSE(pages().chkDeleteFile->isChecked());
    EXPECT_TRUE(pages().chkDeleteFileRegistry->isChecked());
    EXPECT_TRUE(pages().txtConvertFile->text().endsWith(QStringLiteral("QueltaBrovelBackup.sav")));
    for (QCheckBox* each : pages().chkReset)
        EXPECT_TRUE(each->isChecked()) << each->text().toStdString();
}

struct PageCase {
    std::string name;
    QRadioButton* WizardPages::*option;
    QWidget* WizardPages::*page;
    QString caption;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class WizardTaskPage : public WizardWindow, public ::testing::WithParamInterface<PageCase> {};

// Back returns to the selection with the choice kept, and Next opens the same page again.
TEST_P(WizardTaskPage, NextOpensItAndBackReturnsWithTheChoiceKept) {
    writeFile(UserDataRecord::defaults());
    const PageCase& c = GetParam();
    (pages().*c.option)->click();
    for (int round = 0; round < 2; ++round) {
        next();
        EXPECT_EQ(visiblePage(), pages().*c.page);
        EXPECT_EQ(m_window->cmdNext()->text(), c.caption);
        EXPECT_TRUE(m_window->cmdBack()->isEnabled());
        back();
        EXPECT_EQ(visiblePage(), pages().picSelection);
        EXPECT_EQ(m_window->cmdNext()->text(), QStringLiteral("Next >"));
        EXPECT_FALSE(m_window->cmdBack()->isEnabled());
        EXPECT_TRUE((pages().*c.option)->isChecked());
        EXPECT_EQ(m_window->focusWidget(), m_window->cmdNext());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WizardTaskPage,
    ::testing::Values(PageCase{"Registry", &WizardPages::optConvertRegistry,
                               &WizardPages::picConvertRegistry, QStringLiteral("Convert")},
                      PageCase{"BackupFile", &WizardPages::optConvertFile,
                               &WizardPages::picConvertFile, QStringLiteral("Convert")},
                      PageCase{"Reset", &WizardPages::optReset, &WizardPages::picReset,
                               QStringLiteral("Reset")},
                      PageCase{"Settings", &WizardPages::optSettings, &WizardPages::picSettings,
                               QStringLiteral("Change")}),
    TableCaseName());

TEST_F(WizardWindow, CampaignAndHighscoreAlwaysAgree) {
    pages().optReset->click();
    next();
    QTest::mouseClick(box(ResetPart::Highscore), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_FALSE(box(ResetPart::Highscore)->isChecked());
    EXPECT_FALSE(box(ResetPart::Campaign)->isChecked());
    QTest::mouseClick(box(ResetPart::Campaign), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(box(ResetPart::Highscore)->isChecked());
    EXPECT_TRUE(box(ResetPart::Campaign)->isChecked());
    // Assistive tools toggle boxes without a click.
    box(ResetPart::Campaign)->toggle();
    EXPECT_FALSE(box(ResetPart::Highscore)->isChecked());
    box(ResetPart::Port)->toggle();
    EXPECT_FALSE(box(ResetPart::Campaign)->isChecked());
    EXPECT_TRUE(box(ResetPart::Name)->isChecked());
}

TEST_F(WizardWindow, SettingsPageShowsTheStoredSettings) {
    UserDataRecord record = UserDataRecord::defaults();
    record.SidedeckSaveMode = 2;
    record.MasterServer = "stats.example.org";
    writeFile(record);
    pages().optSettings->click();
    next();
    EXPECT_EQ(pages().lblVersion->text(), QStringLiteral("Version of the settings: 1.8.2"));
    EXPECT_EQ(pages().txtServer->text(), QStringLiteral("stats.example.org"));
    EXPECT_EQ(pages().cboSidedeck->currentIndex(), 2);
    EXPECT_EQ(pages().cboSidedeck->count(), 4);
    EXPECT_EQ(pages().cboSidedeck->itemText(3),
              QStringLiteral("Save Singlegame and Multiplayer sidedecks"));
}

TEST_F(WizardWindow, AModeTheListDoesNotKnowShowsTheDefaultMode) {
    UserDataRecord record = UserDataRecord::defaults();
    record.SidedeckSaveMode = 9;
    writeFile(record);
    pages().optSettings->click();
    next();
    EXPECT_EQ(pages().cboSidedeck->currentIndex(), 1);
}

TEST_F(WizardWindow, SettingsWithoutAUsableFileStayOnTheSelectionAndSayWhy) {
    pages().optSettings->click();
    next();
    EXPECT_EQ(visiblePage(), pages().picSelection);
    EXPECT_FALSE(m_window->cmdBack()->isEnabled());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text,
              QStringLiteral("An error occured:\n\nThe file User.dat could not be loaded."));
}

TEST_F(WizardWindow, EmptyServerStaysOnThePage) {
    writeFile(UserDataRecord::defaults());
    pages().optSettings->click();
    next();
    pages().txtServer->clear();
    next();
    EXPECT_EQ(visiblePage(), pages().picSettings);
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, QStringLiteral("You have to specify a master server."));
    EXPECT_EQ(m_file.writeCount(), 0);
}

TEST_F(WizardWindow, ResetNotConfirmedStaysAndWritesNothing) {
    pages().optReset->click();
    next();
    m_messages.answer = false;
    next();
    EXPECT_EQ(visiblePage(), pages().picReset);
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].title, QStringLiteral("Quelta Brovel"));
    EXPECT_EQ(m_messages.shown[0].text, QStringLiteral("Do you really want to reset the specified "
                                                       "settings and saves of Quelta Brovel?"));
    EXPECT_EQ(m_file.writeCount(), 0);
}

TEST_F(WizardWindow, FinishPageEndsTheProgramOnlyThroughFinish) {
    QSignalSpy ended(m_window.get(), &frmMain::endProgram);
    pages().optReset->click();
    next();
    next();
    EXPECT_EQ(visiblePage(), pages().picFinish);
    EXPECT_EQ(pages().lblFinishInfo->text(),
              QStringLiteral("The specified settings and saves were reset to default."));
    EXPECT_EQ(m_window->cmdNext()->text(), QStringLiteral("Finish"));
    EXPECT_FALSE(m_window->cmdCancel()->isEnabled());
    EXPECT_FALSE(m_window->cmdBack()->isEnabled());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 0);
    next();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(WizardWindow, CancelAndEscapeEndTheProgramFromATaskPage) {
    QSignalSpy ended(m_window.get(), &frmMain::endProgram);
    next();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 1);
    QTest::mouseClick(m_window->cmdCancel(), Qt::LeftButton);
    EXPECT_EQ(ended.count(), 2);
    EXPECT_EQ(m_file.writeCount(), 0);
}

TEST_F(WizardWindow, FailedConversionShowsTheLogOnTheFinishPage) {
    next();
    next();
    EXPECT_EQ(visiblePage(), pages().picFinish);
    EXPECT_EQ(pages().lblFinishInfo->text(),
              QStringLiteral("An error occured:\n\nThe registry entries could not be loaded.\n"));
}

} // namespace
