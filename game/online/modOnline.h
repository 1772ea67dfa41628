#pragma once

#include <QString>
#include <optional>

// The game's requests to the master server's statistics script: the account check of the
// settings window, the report of every decided match and the update check. Each request
// blocks (BlockingHttp); none of them ever stops the game.
namespace modOnline {

// Online ID that means "no account": nothing is ever sent for it.
inline const QString NoAccount = QStringLiteral("0000");

// The program version as the statistics carry it: major, minor and revision run together ("182").
QString VersionValue();

// The query strings, appended to clsStore's OnlineStatsPath as they are.
QString CheckQuery(const QString& id, const QString& passwordDigest);
QString StatsQuery(int win);
QString UpdateQuery();

// What the player is told about a statistics answer; nothing for "1" (stored).
std::optional<QString> StatsAnswerMessage(const QString& answer);

// True exactly when the master server answers "1" for this ID and password digest.
bool CheckOnlineAccount(const QString& id, const QString& passwordDigest);

// Reports the decided match (win 1 won, 0 lost or abandoned) for the player's account and
// shows what went wrong, if anything. Returns after the message box, if any, was closed.
void UploadStats(int win);

// "NoUpdate", "Error" or the version text the server offers.
inline const QString NoUpdate = QStringLiteral("NoUpdate");
inline const QString UpdateCheckError = QStringLiteral("Error");
QString UpdateCheckResult(const QString& answer);
QString CheckForUpdate();

} // namespace modOnline
