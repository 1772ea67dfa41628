#pragma once

// The statements both engines run, written once: $1, $2, ... are positional parameters in
// PostgreSQL and numbered named parameters in SQLite, bound in the same order.
namespace Queries {

inline constexpr const char* StoredHash = "SELECT pwhash FROM accounts WHERE id = $1";
inline constexpr const char* HasStoredHash = "SELECT 1 FROM accounts WHERE id = $1 AND pwhash = $2";
inline constexpr const char* StoreReport =
    "INSERT INTO reports (account_id, highscore, win, game_type, level, version) "
    "SELECT CAST($1 AS INTEGER), CAST($2 AS INTEGER), CAST($3 AS SMALLINT), "
    "CAST($4 AS SMALLINT), CAST($5 AS SMALLINT), CAST($6 AS INTEGER) WHERE EXISTS "
    "(SELECT 1 FROM accounts WHERE id = $1 AND pwhash = $7)";
inline constexpr const char* UpsertAccount =
    "INSERT INTO accounts (id, pwhash) VALUES ($1, $2) "
    "ON CONFLICT (id) DO UPDATE SET pwhash = excluded.pwhash";
inline constexpr const char* AccountExists = "SELECT 1 FROM accounts WHERE id = $1";
inline constexpr const char* RemoveReports = "DELETE FROM reports WHERE account_id = $1";
inline constexpr const char* RemoveAccount = "DELETE FROM accounts WHERE id = $1";
inline constexpr const char* BestHighscores =
    "SELECT account_id, MAX(highscore) AS best FROM reports GROUP BY account_id "
    "ORDER BY best DESC, account_id LIMIT $1";
inline constexpr const char* Tallies =
    "SELECT account_id, game_type, SUM(win), COUNT(*) - SUM(win) FROM reports "
    "GROUP BY account_id, game_type ORDER BY account_id, game_type";
inline constexpr const char* ReportCount = "SELECT COUNT(*) FROM reports";

} // namespace Queries
