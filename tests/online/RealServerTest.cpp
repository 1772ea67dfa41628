#include "OnlineFixture.h"
#include "RecordingPorts.h"
#include "ServerProcess.h"
#include "TestUpdate.h"

#include "Md5.h"
#include "online/BlockingHttp.h"
#include "online/UpdateDownload.h"
#include "online/frmSettings.h"
#include "online/frmUpdate.h"
#include "online/modOnline.h"
#include "profile/clsPlayer.h"
#include "rules/GameTable.h"
#include "rules/Random.h"
#include "shell/ctlButton.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

namespace {

const QString Digest = QString::fromStdString(MD5("sesame"));

// The rules' ports of a match whose result really goes to the master server.
class ReportingPorts : public RecordingPorts {
public:
    void ReportMatch(int win) override {
        RecordingPorts::ReportMatch(win);
        modOnline::UploadStats(win);
    }
};

// The game against the real queltabrovel-server: its own SQLite database and downloads folder
// in a fresh folder, account 42 with the password "sesame".
class RealServerTest : public OnlineFixture {
protected:
    void SetUp() override {
        OnlineFixture::SetUp();
        ASSERT_TRUE(m_serverFolder.isValid());
        ASSERT_TRUE(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        QDir(m_serverFolder.path()).mkdir(QStringLiteral("downloads"));
        ASSERT_EQ(
            ServerProcess::RunToEnd({"account", "add", "42", "sesame", "--database", database()}),
            0);
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    std::string database() const {
        return "sqlite:" + m_serverFolder.filePath(QStringLiteral("stats.sqlite")).toStdString();
    }
    std::string downloads() const {
        return m_serverFolder.filePath(QStringLiteral("downloads")).toStdString();
    }
    QString downloadFile(const QString& name) const {
        return QString::fromStdString(downloads()) + u'/' + name;
    }
    void serve(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.end(), {"--database", database(), "--downloads", downloads()});
        m_process = std::make_unique<ServerProcess>(arguments);
        useMasterServer(QStringLiteral("127.0.0.1:") + QString::number(m_process->Port()));
    }
    // Puts a program into the downloads folder and signs it with the server's own command.
    void offerSigned(const QByteArray& program) {
        writeDownload(QStringLiteral("update.exe"), program);
        ASSERT_EQ(ServerProcess::RunToEnd({"sign",
                                           downloadFile(QStringLiteral("update.exe")).toStdString(),
                                           "--key", QB_TEST_SIGNING_KEY_FILE}),
                  0);
    }
    void writeDownload(const QString& name, const QByteArray& bytes) const {
        QFile file(downloadFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString marker() const { return m_folder.filePath(QStringLiteral("marker")); }

    // The update window, opened and past its check.
    std::unique_ptr<frmUpdate> openUpdate() {
        auto window = std::make_unique<frmUpdate>();
        window->show();
        window->activateWindow();
        const QString waiting = clsLanguage::instance().PleaseWait() + QStringLiteral("...");
        auto* status = window->findChild<QLabel*>(QStringLiteral("lblStatus"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() != waiting; }, 5000));
        return window;
    }
    static QString status(const frmUpdate& window) {
        return window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    }

    QTemporaryDir m_serverFolder;
    QTemporaryDir m_temp;
    std::unique_ptr<ServerProcess> m_process;
};

TEST_F(RealServerTest, TheSettingsWindowConfirmsOnlyTheAccountTheServerKnows) {
    serve();
    for (const auto& [password, accepted] :
         {std::pair{"sesame", true}, std::pair{"wrong", false}}) {
        SCOPED_TRACE(password);
        m_messages.clear();
        frmSettings window;
        window.show();
        window.findChild<QLineEdit*>(QStringLiteral("txtOnlineID"))
            ->setText(QStringLiteral("0042"));
        window.findChild<QLineEdit*>(QStringLiteral("txtPassword"))
            ->setText(QString::fromLatin1(password));
        window.OK();
        EXPECT_EQ(window.isVisible(), !accepted);
        EXPECT_EQ(messages(), accepted
                                  ? QStringList{}
                                  : QStringList{numberedText(clsLanguage::PasswordIDIncorrect_)});
        EXPECT_EQ(clsPlayer::instance().OnlineID(), QStringLiteral("0042"));
    }
    EXPECT_EQ(clsPlayer::instance().OnlinePassword(), Digest);
}

TEST_F(RealServerTest, ADecidedMatchIsReportedAndStored) {
    serve();
    setAccount(QStringLiteral("0042"), Digest);
    ReportingPorts ports;
    GameTable table(ports, ports, ports, ports);
    ports.model = &table.model();
    Random::SetSequence(std::vector<double>(85, 0.0));
    table.StartMatch();
    table.Activated();
    clsPlayer::instance().setCredits(100);
    clsPlayer::instance().setHighscore(50);
    clsPlayer::instance().Wager = 40;
    for (int set = 0; set < 3; ++set)
        table.PlayerWin(0);
    EXPECT_EQ(ports.stats, std::vector<int>{1});
    EXPECT_TRUE(m_messages.empty()) << messages().join(u'\n').toStdString();
    const QString page =
        BlockingHttp::Get(QStringLiteral("http://127.0.0.1:") + QString::number(m_process->Port()) +
                          QStringLiteral("/index.php?page=highscores"));
    EXPECT_TRUE(page.contains(QStringLiteral("<td>0042</td><td>140</td>"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("<td>0042</td><td>1 / 0</td><td>0 / 0</td>")));
}

TEST_F(RealServerTest, AReportFromAnOlderVersionIsTurnedAway) {
    serve({"--oldest", "1.9.0"});
    setAccount(QStringLiteral("0042"), Digest);
    modOnline::UploadStats(0);
    EXPECT_EQ(messages(), QStringList{numberedText(clsLanguage::StatsUploadError_) + u' ' +
                                      numberedText(clsLanguage::TooOldVersion_)});
}

TEST_F(RealServerTest, TheSameOrAnOlderLatestVersionIsNoUpdate) {
    for (const char* latest : {"1.8.2", "1.7.0"}) {
        SCOPED_TRACE(latest);
        serve({"--latest", latest});
        const std::unique_ptr<frmUpdate> window = openUpdate();
        EXPECT_EQ(status(*window), numberedText(clsLanguage::NoUpdateAvailable_));
        m_process.reset();
    }
}

TEST_F(RealServerTest, ANewerSignedVersionIsDownloadedVerifiedAndStarted) {
    serve({"--latest", "1.9.0"});
    offerSigned(TestUpdate::MarkerProgram(marker(), 300 * 1024));
    const std::unique_ptr<frmUpdate> window = openUpdate();
    EXPECT_EQ(status(*window), numberedText(clsLanguage::UpdateToVersionX_)
                                   .replace(QStringLiteral("%1"), QStringLiteral("1.9.0")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return QFile::exists(marker()); }, 10000))
        << messages().join(u'\n').toStdString();
    EXPECT_EQ(m_programEnds, 1);
    EXPECT_TRUE(m_messages.empty());
}

// The whole way in a process of its own: the verified program starts and the game process ends
// by itself, with the program's real end.
TEST_F(RealServerTest, TheGameProcessEndsOnceTheUpdateRuns) {
    serve({"--latest", "1.9.0"});
    offerSigned(TestUpdate::MarkerProgram(marker()));
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(QB_UPDATE_PROBE),
               {QStringLiteral("127.0.0.1:") + QString::number(m_process->Port())});
    ASSERT_TRUE(game.waitForFinished(30000)) << "the game did not end";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(marker()); }, 5000));
}

TEST_F(RealServerTest, AChangedOrUnsignedProgramFromTheServerIsRefused) {
    serve({"--latest", "1.9.0"});
    const QByteArray program = TestUpdate::MarkerProgram(marker());
    for (const char* refusal : {"changed byte", "no signature"}) {
        SCOPED_TRACE(refusal);
        m_messages.clear();
        offerSigned(program);
        if (refusal == std::string("changed byte"))
            writeDownload(QStringLiteral("update.exe"),
                          QByteArray(program).replace("started", "STARTED"));
        else
            QFile::remove(downloadFile(QStringLiteral("update.exe.sig")));
        const std::unique_ptr<frmUpdate> window = openUpdate();
        UpdateDownload* download = window->findChild<UpdateDownload*>();
        ASSERT_TRUE(QTest::qWaitFor([download] { return !download->Running(); }, 10000));
        EXPECT_EQ(messages(), QStringList{UpdateDownload::NotVerified});
        EXPECT_FALSE(QFile::exists(marker()));
        EXPECT_EQ(m_programEnds, 0);
        EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{});
    }
}

} // namespace
