#include "SqliteConnection.h"

#include "Storage.h"

#include <optional>

namespace {
constexpr int BusyTimeoutMs = 5000;

const char* const Schema = R"(
CREATE TABLE IF NOT EXISTS accounts (
    id INTEGER PRIMARY KEY CHECK (id BETWEEN 1 AND 9999),
    pwhash TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS reports (
    id INTEGER PRIMARY KEY,
    account_id INTEGER NOT NULL,
    highscore INTEGER NOT NULL,
    win INTEGER NOT NULL,
    game_type INTEGER NOT NULL,
    level INTEGER NOT NULL,
    version INTEGER NOT NULL,
    received_at TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP);
CREATE INDEX IF NOT EXISTS reports_by_account ON reports (account_id, highscore);
)";

struct Binder {
    sqlite3_stmt* statement;
    int index;
    int operator()(std::int64_t value) const { return sqlite3_bind_int64(statement, index, value); }
    int operator()(const std::string& value) const {
        return sqlite3_bind_text(statement, index, value.data(), static_cast<int>(value.size()),
                                 SQLITE_TRANSIENT);
    }
};
} // namespace

SqliteConnection::SqliteConnection(const std::string& path, std::shared_ptr<std::mutex> writeLock)
    : m_writeLock(std::move(writeLock)) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StorageError("cannot open the SQLite database " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    execute("PRAGMA journal_mode = WAL");
    execute("PRAGMA synchronous = NORMAL");
}

SqliteConnection::~SqliteConnection() {
    for (auto& [query, statement] : m_statements)
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

void SqliteConnection::fail(const std::string& what) const {
    throw StorageError(what + ": " + sqlite3_errmsg(m_db));
}

void SqliteConnection::execute(const char* statement) {
    if (sqlite3_exec(m_db, statement, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("SQLite");
}

void SqliteConnection::CreateSchema() {
    const std::lock_guard lock(*m_writeLock);
    execute(Schema);
}

sqlite3_stmt* SqliteConnection::prepared(const char* query) {
    sqlite3_stmt*& statement = m_statements[query];
    if (!statement && sqlite3_prepare_v3(m_db, query, -1, SQLITE_PREPARE_PERSISTENT, &statement,
                                         nullptr) != SQLITE_OK) {
        m_statements.erase(query);
        fail("SQLite cannot prepare a statement");
    }
    return statement;
}

SqlResult SqliteConnection::step(sqlite3_stmt* statement) {
    SqlResult result;
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        SqlRow row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        result.rows.push_back(std::move(row));
    }
    if (status != SQLITE_DONE)
        fail("SQLite");
    result.changes = sqlite3_changes64(m_db);
    return result;
}

SqlResult SqliteConnection::Run(const char* query, const SqlParams& params) {
    sqlite3_stmt* statement = prepared(query);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (std::size_t i = 0; i < params.size(); ++i)
        if (std::visit(Binder{statement, static_cast<int>(i) + 1}, params[i]) != SQLITE_OK)
            fail("SQLite cannot bind a value");
    std::optional<std::lock_guard<std::mutex>> writing;
    if (!m_inTransaction && !sqlite3_stmt_readonly(statement))
        writing.emplace(*m_writeLock);
    SqlResult result = step(statement);
    sqlite3_reset(statement);
    return result;
}

void SqliteConnection::InTransaction(const std::function<void()>& work) {
    const std::lock_guard lock(*m_writeLock);
    execute("BEGIN IMMEDIATE");
    m_inTransaction = true;
    try {
        work();
        m_inTransaction = false;
        execute("COMMIT");
    } catch (...) {
        m_inTransaction = false;
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}
