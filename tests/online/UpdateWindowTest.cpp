#include "OnlineFixture.h"
#include "TestUpdate.h"

#include "online/ProgressBar.h"
#include "online/UpdateDownload.h"
#include "online/UpdateTarget.h"
#include "online/frmUpdate.h"
#include "shell/ctlButton.h"
#include "shell/ctlToolbox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString UpdatePath = QStringLiteral("/downloads/update.exe");
const QString SignaturePath = QStringLiteral("/downloads/update.exe.sig");

class UpdateWindowTest : public OnlineFixture {
protected:
    void SetUp() override {
        OnlineFixture::SetUp();
        ASSERT_TRUE(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        m_marker = m_folder.filePath(QStringLiteral("marker"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    void offer(const QByteArray& answer) {
        m_server->answer(QStringLiteral("/stats.php"), {200, answer});
    }
    // The server offers version 1.9.0 with this program and signature.
    void offerProgram(const QByteArray& program, const QByteArray& signature) {
        offer("newver1.9.0");
        m_server->answer(UpdatePath, {200, program});
        m_server->answer(SignaturePath, {200, signature});
    }
    QByteArray markerProgram(qsizetype size = 0) const {
        return TestUpdate::MarkerProgram(m_marker, size);
    }

    // Opens the window and waits until the first activation's check has run.
    void open() {
        m_window = std::make_unique<frmUpdate>();
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return status() != pleaseWait(); }, 5000));
    }
    // Waits until the download ended one way or the other.
    bool settled() {
        return QTest::qWaitFor([this] { return !download()->Running(); }, 10000);
    }
    bool markerAppears() {
        return QTest::qWaitFor([this] { return QFile::exists(m_marker); }, 5000);
    }
    UpdateDownload* download() const { return m_window->findChild<UpdateDownload*>(); }
    QLabel* label(const char* name) const {
        return m_window->findChild<QLabel*>(QString::fromLatin1(name));
    }
    QString status() const { return label("lblStatus")->text(); }
    bool closeButtonShown() const {
        return m_window->findChild<ctlButton*>(QStringLiteral("cmdClose"))
            ->isVisibleTo(m_window.get());
    }
    static QString pleaseWait() {
        return clsLanguage::instance().PleaseWait() + QStringLiteral("...");
    }
    static QString downloading(const QString& version) {
        return QString(clsLanguage::instance().UpdateToVersionX())
            .replace(QStringLiteral("%1"), version);
    }
    QStringList leftInTemp() const {
        return QDir(m_temp.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }
    // Nothing ran, the game goes on, nothing is left behind, and the player was told.
    void expectRefused(const QString& message) {
        ASSERT_TRUE(settled());
        QTest::qWait(200);
        EXPECT_FALSE(QFile::exists(m_marker));
        EXPECT_EQ(m_programEnds, 0);
        EXPECT_EQ(leftInTemp(), QStringList{});
        ASSERT_EQ(messages().size(), 1);
        EXPECT_TRUE(messages().front().startsWith(message)) << messages().front().toStdString();
        EXPECT_TRUE(closeButtonShown());
    }

    QTemporaryDir m_temp;
    QString m_marker;
    std::unique_ptr<frmUpdate> m_window;
};

TEST_F(UpdateWindowTest, ShowsPleaseWaitAndHidesTheDownloadUntilTheCheck) {
    offer("FALSE");
    m_window = std::make_unique<frmUpdate>();
    EXPECT_EQ(status(), pleaseWait());
    EXPECT_EQ(label("lblUpdate")->text(), clsLanguage::instance().Update());
    EXPECT_FALSE(label("lblDownloadInfo0")->isVisibleTo(m_window.get()));
    EXPECT_FALSE(label("lblDownloadInfo1")->isVisibleTo(m_window.get()));
    EXPECT_TRUE(m_server->requests.isEmpty());
}

// The check waits for its answer with the window already on the screen, saying so.
TEST_F(UpdateWindowTest, TheWindowIsShownWhileTheCheckWaits) {
    offer("FALSE");
    bool shown = false;
    QString shownStatus;
    m_server->onRequest = [&] {
        shown = m_window->isVisible();
        shownStatus = status();
    };
    open();
    EXPECT_TRUE(shown);
    EXPECT_EQ(shownStatus, pleaseWait());
}

TEST_F(UpdateWindowTest, NoNewerVersionAndAFailedCheckLeaveOnlyTheOkButton) {
    const std::vector<std::pair<QByteArray, QString>> answers{
        {"FALSE", clsLanguage::instance().NoUpdateAvailable()},
        {"newerver1.7.0", clsLanguage::instance().NoUpdateAvailable()},
        {"maintenance", clsLanguage::instance().UpdateError()},
    };
    for (const auto& [answer, shown] : answers) {
        SCOPED_TRACE(answer.toStdString());
        m_server->requests.clear();
        offer(answer);
        open();
        EXPECT_EQ(status(), shown);
        EXPECT_TRUE(closeButtonShown());
        EXPECT_EQ(m_server->requests.size(), 1);
    }
    m_server.reset();
    open();
    EXPECT_EQ(status(), clsLanguage::instance().UpdateError());
}

TEST_F(UpdateWindowTest, AVerifiedUpdateIsStartedAndTheGameEnds) {
    const QByteArray program = markerProgram();
    offerProgram(program, TestUpdate::Sign(program));
    open();
    EXPECT_EQ(status(), downloading(QStringLiteral("1.9.0")));
    ASSERT_TRUE(markerAppears());
    EXPECT_EQ(m_programEnds, 1);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(
        m_server->requests,
        (QStringList{QStringLiteral("/stats.php?mode=update&vermajor=1&verminor=8&verrevision=2"),
                     UpdatePath, SignaturePath}));
    // The program runs from its private folder, executable by its owner only.
    const QStringList folders = leftInTemp();
    ASSERT_EQ(folders.size(), 1);
    const QString dir = m_temp.filePath(folders.front());
    EXPECT_EQ(QFile::permissions(dir) & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);
    QFile file(dir + QStringLiteral("/queltaupdate"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), program);
}

struct Refusal {
    const char* name;
    CannedAnswer program;
    CannedAnswer signature;
    bool reported; // ReportError 20 rather than "could not be verified"
};

TEST_F(UpdateWindowTest, AnythingButTheSignedProgramStartsNothingAndLeavesNothing) {
    const QByteArray program = markerProgram();
    QByteArray changed = program;
    changed[changed.size() - 1] = 'y';
    const QByteArray good = TestUpdate::Sign(program);
    const QByteArray other = TestUpdate::Sign("another program");
    const std::vector<Refusal> refusals{
        {"one byte changed", {200, changed}, {200, good}, false},
        {"signature of another file", {200, program}, {200, other}, false},
        {"no signature", {200, program}, {404, "missing"}, false},
        {"signature cut short", {200, program}, {200, good.left(63)}, false},
        {"signature with more", {200, program}, {200, good + "x"}, false},
        {"body shorter than announced",
         {200, program, QByteArray::number(program.size() + 100)},
         {200, good},
         true},
        {"server closes early", {200, program, {}, program.size() - 10}, {200, good}, true},
        {"no Content-length", {200, program, CannedAnswer::Omitted}, {200, good}, true},
        {"Content-length not a number", {200, program, QByteArray("many")}, {200, good}, true},
        {"HTTP error", {500, "broken"}, {200, good}, true},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        m_messages.clear();
        offer("newver1.9.0");
        m_server->answer(UpdatePath, r.program);
        m_server->answer(SignaturePath, r.signature);
        open();
        expectRefused(r.reported ? QStringLiteral("Error 20 in Update_StateChanged: ")
                                 : UpdateDownload::NotVerified);
    }
}

TEST_F(UpdateWindowTest, FilesWhereAnOlderVersionWroteAreNeverWrittenThrough) {
    const QString victim = m_folder.filePath(QStringLiteral("victim"));
    QFile victimFile(victim);
    ASSERT_TRUE(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("keep me");
    victimFile.close();
    ASSERT_TRUE(QFile::link(victim, m_temp.filePath(QStringLiteral("queltaupdate.exe"))));
    ASSERT_TRUE(QFile::link(victim, m_temp.filePath(QStringLiteral("queltaupdate"))));
    const QByteArray program = markerProgram();
    offerProgram(program, TestUpdate::Sign(program));
    open();
    ASSERT_TRUE(markerAppears());
    ASSERT_TRUE(victimFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(victimFile.readAll(), QByteArray("keep me"));
    // And where the file itself is to be made, anything already there is refused.
    QTemporaryDir folder;
    const QString linked = folder.filePath(UpdateTarget::FileName);
    ASSERT_TRUE(QFile::link(victim, linked));
    EXPECT_EQ(UpdateTarget::CreateIn(folder.path()), nullptr);
    QFile::remove(linked);
    QFile plain(linked);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(UpdateTarget::CreateIn(folder.path()), nullptr);
}

TEST_F(UpdateWindowTest, TheVersionIsShownAsPlainTextCutShort) {
    offer("newver<b>" + QByteArray(200, '9') + "</b>");
    open();
    EXPECT_EQ(label("lblStatus")->textFormat(), Qt::PlainText);
    EXPECT_EQ(status(), downloading(QStringLiteral("<b>") + QString(21, u'9')));
}

// Ten megabytes: the bar is drawn once for the reset and once for each of its widths; the
// counter ends at the total; OK stays hidden while the download runs.
TEST_F(UpdateWindowTest, TenMegabytesRedrawTheBarOnlyWhenItsWidthChanges) {
    const QByteArray program = markerProgram(10 * 1024 * 1024);
    offerProgram(program, TestUpdate::Sign(program));
    bool okShownWhileRunning = false;
    QString totalShown;
    open();
    QObject::connect(download(), &UpdateDownload::received, m_window.get(), [&](std::int32_t) {
        okShownWhileRunning |= closeButtonShown();
        totalShown = label("lblDownloadInfo1")->text();
    });
    ASSERT_TRUE(markerAppears());
    EXPECT_FALSE(okShownWhileRunning);
    EXPECT_EQ(totalShown, QStringLiteral("MB / 10 MB"));
    EXPECT_EQ(label("lblDownloadInfo0")->text(), QStringLiteral("10.00"));
    EXPECT_EQ(m_window->findChild<ProgressBar*>()->Redraws(), 1 + ProgressBar::BarWidth);
    EXPECT_EQ(m_window->findChild<ProgressBar*>()->FillWidth(), ProgressBar::BarWidth);
}

TEST_F(UpdateWindowTest, TheCaptionCloseButtonCancelsADownloadAndLeavesNothing) {
    const QByteArray program = markerProgram(4 * 1024 * 1024);
    offerProgram(program, TestUpdate::Sign(program));
    open();
    auto* close = m_window->findChild<ctlToolbox*>(QStringLiteral("tbClose"));
    QObject::connect(download(), &UpdateDownload::received, close, [close](std::int32_t received) {
        if (received == 100 * 1024)
            QTimer::singleShot(0, close, [close] { QTest::mouseClick(close, Qt::LeftButton); });
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_window->isVisible(); }, 10000));
    EXPECT_FALSE(download()->Running());
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(m_marker));
    EXPECT_EQ(m_programEnds, 0);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(leftInTemp(), QStringList{});
}

} // namespace
