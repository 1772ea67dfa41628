#pragma once

#include "SqlConnection.h"

#include <memory>
#include <mutex>
#include <sqlite3.h>
#include <string>
#include <unordered_map>

// A connection to the embedded SQLite file in write-ahead-log mode. SQLite lets one writer in at
// a time; the connections of one server share a lock for writing so that they queue in the
// process instead of spinning on the database's busy handler. Another process (the account
// command) is waited for by that handler.
class SqliteConnection : public SqlConnection {
public:
    SqliteConnection(const std::string& path, std::shared_ptr<std::mutex> writeLock);
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    SqlResult Run(const char* query, const SqlParams& params) override;
    void InTransaction(const std::function<void()>& work) override;
    bool Healthy() const override { return m_db != nullptr; }

    // Creates the tables when they do not exist yet.
    void CreateSchema();

private:
    sqlite3_stmt* prepared(const char* query);
    void execute(const char* statement);
    SqlResult step(sqlite3_stmt* statement);
    [[noreturn]] void fail(const std::string& what) const;

    sqlite3* m_db = nullptr;
    std::shared_ptr<std::mutex> m_writeLock;
    bool m_inTransaction = false;
    std::unordered_map<const char*, sqlite3_stmt*> m_statements;
};
