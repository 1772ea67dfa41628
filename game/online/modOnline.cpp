#include "online/modOnline.h"

#include "UserDataRecord.h"
#include "online/BlockingHttp.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

#include <QRegularExpression>

namespace {

// An answer reads as a number the way the statistics script's error codes are written: digits,
// perhaps signed, perhaps with a fraction, spaces around allowed. A run of digits longer than
// any error code is not an answer.
bool isNumber(const QString& answer) {
    static const QRegularExpression number(QStringLiteral("^ *[+-]?[0-9]+(\\.[0-9]+)? *$"));
    constexpr int LongestNumber = 24;
    return answer.size() <= LongestNumber && number.match(answer).hasMatch();
}

QString request(const QString& query) {
    return BlockingHttp::Get(clsStore::instance().OnlineStatsPath() + query);
}

} // namespace

QString modOnline::VersionValue() {
    return QString::number(UserDataRecord::ProgramMajor) +
           QString::number(UserDataRecord::ProgramMinor) + QStringLiteral("2");
}

QString modOnline::CheckQuery(const QString& id, const QString& passwordDigest) {
    return QStringLiteral("?mode=check&id=") + id + QStringLiteral("&pw=") + passwordDigest;
}

QString modOnline::StatsQuery(int win) {
    const clsPlayer& player = clsPlayer::instance();
    return QStringLiteral("?mode=stats&id=") + player.OnlineID() + QStringLiteral("&pw=") +
           player.OnlinePassword() + QStringLiteral("&highscore=") +
           QString::number(player.Highscore()) + QStringLiteral("&win=") + QString::number(win) +
           QStringLiteral("&GameType=") + QString::number(GameState::instance().GameMode) +
           QStringLiteral("&level=") + QString::number(player.Level()) + QStringLiteral("&ver=") +
           VersionValue();
}

QString modOnline::UpdateQuery() {
    return QStringLiteral("?mode=update&vermajor=") +
           QString::number(UserDataRecord::ProgramMajor) + QStringLiteral("&verminor=") +
           QString::number(UserDataRecord::ProgramMinor) + QStringLiteral("&verrevision=2");
}

std::optional<QString> modOnline::StatsAnswerMessage(const QString& answer) {
    const clsLanguage& t = clsLanguage::instance();
    if (answer == QStringLiteral("1"))
        return std::nullopt;
    if (answer == QStringLiteral("5"))
        return t.StatsUploadError() + u' ' + t.TooOldVersion();
    const QString number = isNumber(answer) ? answer : QStringLiteral("0");
    return t.StatsUploadError() + u' ' + t.SckError() + u' ' + number;
}

bool modOnline::CheckOnlineAccount(const QString& id, const QString& passwordDigest) {
    return request(CheckQuery(id, passwordDigest)) == QStringLiteral("1");
}

void modOnline::UploadStats(int win) {
    if (clsPlayer::instance().OnlineID() == NoAccount)
        return;
    if (const std::optional<QString> message = StatsAnswerMessage(request(StatsQuery(win))))
        ShowMessage(*message);
}

QString modOnline::UpdateCheckResult(const QString& answer) {
    if (answer == QStringLiteral("FALSE") || answer.startsWith(QStringLiteral("newerver")))
        return NoUpdate;
    if (answer.startsWith(QStringLiteral("newver")))
        return answer.mid(6);
    return UpdateCheckError;
}

QString modOnline::CheckForUpdate() {
    return UpdateCheckResult(request(UpdateQuery()));
}
