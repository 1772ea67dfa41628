#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// One validated statistics report of a decided or abandoned match.
struct StatsReport {
    int accountId = 0;
    std::int32_t highscore = 0;
    int win = 0;
    int gameType = 0;
    int level = 0;
    int version = 0;
};

struct HighscoreRow {
    int accountId = 0;
    std::int64_t highscore = 0;
};

// Won and lost matches of one account in one game mode.
struct ModeTally {
    int accountId = 0;
    int gameType = 0;
    std::int64_t won = 0;
    std::int64_t lost = 0;
};

enum class AccountChange { Added, Replaced };

// A failure of the database itself (connection lost, disk full), as opposed to a refusal.
class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Accounts and reports, one schema on either engine. Every call is safe from any thread; each
// implementation keeps one connection per thread that uses it, and every statement that carries
// a value is a prepared statement.
class Storage {
public:
    virtual ~Storage() = default;

    virtual std::optional<std::string> StoredHash(int id) = 0;
    virtual bool HasStoredHash(int id, const std::string& storedHash) = 0;
    // Stores the report only while the account still has exactly this stored hash, in one
    // statement; false when it does not (the account changed since it was checked).
    virtual bool StoreReport(const StatsReport& report, const std::string& storedHash) = 0;
    virtual AccountChange SetAccount(int id, const std::string& storedHash) = 0;
    // Removes the account and its reports; false when there was no such account.
    virtual bool RemoveAccount(int id) = 0;
    virtual std::vector<HighscoreRow> BestHighscores(int limit) = 0;
    virtual std::vector<ModeTally> Tallies() = 0;
    virtual std::int64_t ReportCount() = 0;
};

// "sqlite:PATH" or a "postgresql://" (or "postgres://") connection URL. Throws StorageError
// when the database cannot be opened or its schema cannot be made, std::invalid_argument for a
// URL of another kind.
std::unique_ptr<Storage> OpenStorage(const std::string& url);
