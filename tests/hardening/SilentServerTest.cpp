// The game's blocking requests against a master server that accepts them and never answers:
// each gives up at its time-out, the program keeps running meanwhile, and the window that asked
// is alive and usable afterwards. One case waits the real minute; the others shorten the
// time-out so the suite stays quick.
#include "OnlineFixture.h"

#include "online/BlockingHttp.h"
#include "online/frmSettings.h"
#include "online/frmUpdate.h"
#include "online/modOnline.h"
#include "profile/clsPlayer.h"
#include "shell/ctlButton.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

constexpr int ShortTimeoutMs = 1500;

class SilentServerTest : public OnlineFixture {
protected:
    void SetUp() override {
        OnlineFixture::SetUp();
        m_server->answer(QStringLiteral("/stats.php"), {200, "1", {}, -1, -1});
        // Timers keep ticking while a request waits: the program is not frozen.
        m_ticker.setInterval(100);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { ++m_ticks; });
        m_ticker.start();
        m_clock.start();
    }
    void TearDown() override { BlockingHttp::SetTimeoutMs(BlockingHttp::DefaultTimeoutMs); }

    // Waited exactly the time-out (and a little for the machinery), with the timers running.
    void expectWaited(int timeoutMs) const {
        EXPECT_GE(m_clock.elapsed(), timeoutMs);
        EXPECT_LT(m_clock.elapsed(), timeoutMs + 3000);
        EXPECT_GE(m_ticks, timeoutMs / 100 / 2);
        EXPECT_EQ(m_server->requests.size(), 1);
    }
    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<ctlButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

    QTimer m_ticker;
    int m_ticks = 0;
    QElapsedTimer m_clock;
};

TEST_F(SilentServerTest, TheUpdateCheckWaitsTheFullMinuteAndTheWindowGoesOn) {
    ASSERT_EQ(BlockingHttp::TimeoutMs(), 60'000);
    frmUpdate window;
    window.show();
    window.activateWindow();
    QLabel* status = window.findChild<QLabel*>(QStringLiteral("lblStatus"));
    const QString pleaseWait = clsLanguage::instance().PleaseWait() + QStringLiteral("...");
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->text() != pleaseWait; }, 70'000));
    expectWaited(60'000);
    EXPECT_EQ(status->text(), clsLanguage::instance().UpdateError());
    EXPECT_TRUE(messages().isEmpty());
    ASSERT_TRUE(window.isVisible());
    click(&window, "cmdClose");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SilentServerTest, TheAccountCheckGivesUpAtItsTimeOutAndTheSettingsWindowGoesOn) {
    BlockingHttp::SetTimeoutMs(ShortTimeoutMs);
    frmSettings window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtOnlineID"))->setText(QStringLiteral("0042"));
    window.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("sesame"));
    click(&window, "cmdOK");
    expectWaited(ShortTimeoutMs);
    EXPECT_EQ(messages(), QStringList{numberedText(clsLanguage::PasswordIDIncorrect_)});
    EXPECT_EQ(clsPlayer::instance().OnlineID(), modOnline::NoAccount);
    ASSERT_TRUE(window.isVisible());
    // Still usable: a change that needs no server is taken at once.
    window.findChild<QLineEdit*>(QStringLiteral("txtOnlineID"))->setText(modOnline::NoAccount);
    click(&window, "cmdOK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(SilentServerTest, AMatchReportGivesUpAtItsTimeOutWithTheNoAnswerMessage) {
    BlockingHttp::SetTimeoutMs(ShortTimeoutMs);
    setAccount(QStringLiteral("0042"), QStringLiteral("0123456789abcdef0123456789abcdef"));
    modOnline::UploadStats(1);
    expectWaited(ShortTimeoutMs);
    const clsLanguage& t = clsLanguage::instance();
    EXPECT_EQ(messages(),
              QStringList{t.StatsUploadError() + u' ' + t.SckError() + QStringLiteral(" 0")});
}

} // namespace
