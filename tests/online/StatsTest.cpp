#include "OnlineFixture.h"

#include "Md5.h"
#include "online/BlockingHttp.h"
#include "online/modOnline.h"
#include "profile/clsPlayer.h"

#include <QElapsedTimer>

namespace {

const QString Digest = QString::fromStdString(MD5("sesame"));

QString text(clsLanguage::Text t) {
    return clsLanguage::instance().text(t);
}

class StatsTest : public OnlineFixture {
protected:
    void answerStats(const QByteArray& body, int status = 200) {
        m_server->answer(QStringLiteral("/stats.php"), {status, body});
    }
};

TEST_F(StatsTest, TheAccountCheckAsksWithTheIdAndTheDigestAsTheyAre) {
    answerStats("1");
    EXPECT_TRUE(modOnline::CheckOnlineAccount(QStringLiteral("0042"), Digest));
    EXPECT_EQ(m_server->requests,
              QStringList{QStringLiteral("/stats.php?mode=check&id=0042&pw=") + Digest});
}

struct Report {
    const char* name;
    qint64 id;
    std::int32_t highscore;
    int win;
    std::int32_t mode;
    std::uint8_t level;
    const char* query;
};

TEST_F(StatsTest, TheReportCarriesProfileResultModeLevelAndVersion) {
    const std::vector<Report> reports{
        {"campaign win", 42, 1234, 1, GameState::Campaign, 7,
         "?mode=stats&id=0042&pw=%1&highscore=1234&win=1&GameType=2&level=7&ver=182"},
        {"single loss", 12345, 0, 0, GameState::SingleGame, 1,
         "?mode=stats&id=12345&pw=%1&highscore=0&win=0&GameType=0&level=1&ver=182"},
        {"multiplayer", 9999, 2147483647, 1, GameState::Multiplayer, 27,
         "?mode=stats&id=9999&pw=%1&highscore=2147483647&win=1&GameType=1&level=27&ver=182"},
    };
    answerStats("1");
    for (const Report& r : reports) {
        SCOPED_TRACE(r.name);
        m_server->requests.clear();
        UserData().OnlineID = r.id;
        clsPlayer::instance().setOnlinePassword(Digest);
        clsPlayer::instance().setHighscore(r.highscore);
        clsPlayer::instance().setLevel(r.level);
        GameState::instance().GameMode = r.mode;
        modOnline::UploadStats(r.win);
        EXPECT_EQ(m_server->requests, QStringList{QStringLiteral("/stats.php") +
                                                  QString::fromLatin1(r.query).arg(Digest)});
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(StatsTest, WithoutAnAccountNothingIsSentWhateverThePassword) {
    answerStats("1");
    setAccount(modOnline::NoAccount, Digest);
    modOnline::UploadStats(1);
    modOnline::UploadStats(0);
    EXPECT_TRUE(m_server->requests.isEmpty());
    EXPECT_TRUE(m_messages.empty());
}

struct StatsAnswer {
    const char* name;
    QByteArray body;
    int status;
    // The end of the message after StatsUploadError; empty for none.
    QString tail;
};

TEST_F(StatsTest, EveryAnswerToAReportHasItsMessage) {
    const QString error = u' ' + text(clsLanguage::SckError_) + u' ';
    const std::vector<StatsAnswer> answers{
        {"stored", "1", 200, {}},
        {"too old", "5", 200, u' ' + text(clsLanguage::TooOldVersion_)},
        {"server error", "7", 200, error + QStringLiteral("7")},
        {"negative number", "-3", 200, error + QStringLiteral("-3")},
        {"leading zero", "01", 200, error + QStringLiteral("01")},
        {"trailing space", "1 ", 200, error + QStringLiteral("1 ")},
        {"empty", "", 200, error + QStringLiteral("0")},
        {"words", "TRUE", 200, error + QStringLiteral("0")},
        {"line break", "1\r\n", 200, error + QStringLiteral("0")},
        {"error page", "Internal error", 500, error + QStringLiteral("0")},
        {"endless digits", QByteArray(200, '7'), 200, error + QStringLiteral("0")},
    };
    setAccount(QStringLiteral("0042"), Digest);
    for (const StatsAnswer& a : answers) {
        SCOPED_TRACE(a.name);
        m_messages.clear();
        answerStats(a.body, a.status);
        modOnline::UploadStats(1);
        if (a.tail.isEmpty()) {
            EXPECT_TRUE(m_messages.empty());
        } else {
            EXPECT_EQ(messages(), QStringList{text(clsLanguage::StatsUploadError_) + a.tail});
        }
    }
}

TEST_F(StatsTest, NoServerIsAnAnswerWithoutANumber) {
    setAccount(QStringLiteral("0042"), Digest);
    m_server.reset();
    modOnline::UploadStats(0);
    EXPECT_EQ(messages(), QStringList{text(clsLanguage::StatsUploadError_) + u' ' +
                                      text(clsLanguage::SckError_) + QStringLiteral(" 0")});
}

TEST_F(StatsTest, OnlyExactlyOneConfirmsAnAccount) {
    const std::vector<std::pair<QByteArray, bool>> answers{
        {"1", true},  {"01", false}, {"1 ", false},  {" 1", false},
        {"0", false}, {"", false},   {"1\n", false}, {"TRUE", false},
    };
    for (const auto& [body, valid] : answers) {
        SCOPED_TRACE(body.toStdString());
        answerStats(body);
        EXPECT_EQ(modOnline::CheckOnlineAccount(QStringLiteral("0042"), Digest), valid);
    }
    m_server.reset();
    EXPECT_FALSE(modOnline::CheckOnlineAccount(QStringLiteral("0042"), Digest));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(StatsTest, TheUpdateCheckAsksWithTheVersionAndReadsEveryAnswer) {
    const std::vector<std::pair<QByteArray, QString>> answers{
        {"FALSE", modOnline::NoUpdate},
        {"newerver1.7.0", modOnline::NoUpdate},
        {"newver1.9.0", QStringLiteral("1.9.0")},
        {"newver2.0.1-beta", QStringLiteral("2.0.1-beta")},
        {"false", modOnline::UpdateCheckError},
        {"", modOnline::UpdateCheckError},
        {"1", modOnline::UpdateCheckError},
    };
    for (const auto& [body, result] : answers) {
        SCOPED_TRACE(body.toStdString());
        m_server->requests.clear();
        answerStats(body);
        EXPECT_EQ(modOnline::CheckForUpdate(), result);
        EXPECT_EQ(m_server->requests,
                  QStringList{QStringLiteral(
                      "/stats.php?mode=update&vermajor=1&verminor=8&verrevision=2")});
    }
    m_server.reset();
    EXPECT_EQ(modOnline::CheckForUpdate(), modOnline::UpdateCheckError);
}

// The time-out is what ends a wait for a server that accepted the request but never answers.
TEST_F(StatsTest, AServerThatNeverAnswersEndsInTheTimeOut) {
    m_server->answer(QStringLiteral("/stats.php"), {200, "1", {}, -1, -1});
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(BlockingHttp::Get(clsStore::instance().OnlineStatsPath(), 300), QString());
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), BlockingHttp::DefaultTimeoutMs / 2);
}

} // namespace
