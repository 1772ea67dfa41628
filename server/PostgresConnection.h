#pragma once

#include "SqlConnection.h"

#include <libpq-fe.h>
#include <string>
#include <unordered_map>

// A connection to PostgreSQL (or an engine that speaks its protocol) through libpq. Commits
// are the server's own durable commits; several server processes may share one database.
class PostgresConnection : public SqlConnection {
public:
    explicit PostgresConnection(const std::string& url);
    ~PostgresConnection() override;
    PostgresConnection(const PostgresConnection&) = delete;
    PostgresConnection& operator=(const PostgresConnection&) = delete;

    SqlResult Run(const char* query, const SqlParams& params) override;
    void InTransaction(const std::function<void()>& work) override;
    bool Healthy() const override;

    // Creates the tables when they do not exist yet; server processes starting together take
    // turns under an advisory lock.
    void CreateSchema();

private:
    const std::string& prepared(const char* query);
    void execute(const char* statement);
    [[noreturn]] void fail(const std::string& what) const;

    PGconn* m_connection = nullptr;
    std::unordered_map<const char*, std::string> m_statements;
};
