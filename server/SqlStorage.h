#pragma once

#include "ConnectionPool.h"
#include "SqlConnection.h"
#include "Storage.h"

// The storage of either engine: the same statements over a pool of connections of one engine.
class SqlStorage : public Storage {
public:
    explicit SqlStorage(ConnectionPool<SqlConnection>::Factory factory);

    std::optional<std::string> StoredHash(int id) override;
    bool HasStoredHash(int id, const std::string& storedHash) override;
    bool StoreReport(const StatsReport& report, const std::string& storedHash) override;
    AccountChange SetAccount(int id, const std::string& storedHash) override;
    bool RemoveAccount(int id) override;
    std::vector<HighscoreRow> BestHighscores(int limit) override;
    std::vector<ModeTally> Tallies() override;
    std::int64_t ReportCount() override;

private:
    SqlResult run(const char* query, const SqlParams& params);

    ConnectionPool<SqlConnection> m_pool;
};
