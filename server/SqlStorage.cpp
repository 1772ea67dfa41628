#include "SqlStorage.h"

#include "Queries.h"

namespace {
std::int64_t number(const std::string& text) {
    return text.empty() ? 0 : std::stoll(text);
}
} // namespace

SqlStorage::SqlStorage(ConnectionPool<SqlConnection>::Factory factory)
    : m_pool(std::move(factory)) {
}

SqlResult SqlStorage::run(const char* query, const SqlParams& params) {
    auto connection = m_pool.Take();
    return connection->Run(query, params);
}

std::optional<std::string> SqlStorage::StoredHash(int id) {
    SqlResult result = run(Queries::StoredHash, {id});
    if (result.rows.empty())
        return std::nullopt;
    return std::move(result.rows.front().front());
}

bool SqlStorage::HasStoredHash(int id, const std::string& storedHash) {
    return !run(Queries::HasStoredHash, {id, storedHash}).rows.empty();
}

bool SqlStorage::StoreReport(const StatsReport& r, const std::string& storedHash) {
    return run(Queries::StoreReport,
               {r.accountId, r.highscore, r.win, r.gameType, r.level, r.version, storedHash})
               .changes == 1;
}

AccountChange SqlStorage::SetAccount(int id, const std::string& storedHash) {
    auto connection = m_pool.Take();
    bool existed = false;
    connection->InTransaction([&] {
        existed = !connection->Run(Queries::AccountExists, {id}).rows.empty();
        connection->Run(Queries::UpsertAccount, {id, storedHash});
    });
    return existed ? AccountChange::Replaced : AccountChange::Added;
}

bool SqlStorage::RemoveAccount(int id) {
    auto connection = m_pool.Take();
    bool removed = false;
    connection->InTransaction([&] {
        connection->Run(Queries::RemoveReports, {id});
        removed = connection->Run(Queries::RemoveAccount, {id}).changes == 1;
    });
    return removed;
}

std::vector<HighscoreRow> SqlStorage::BestHighscores(int limit) {
    std::vector<HighscoreRow> rows;
    for (const SqlRow& row : run(Queries::BestHighscores, {limit}).rows)
        rows.push_back({static_cast<int>(number(row.at(0))), number(row.at(1))});
    return rows;
}

std::vector<ModeTally> SqlStorage::Tallies() {
    std::vector<ModeTally> tallies;
    for (const SqlRow& row : run(Queries::Tallies, {}).rows)
        tallies.push_back({static_cast<int>(number(row.at(0))), static_cast<int>(number(row.at(1))),
                           number(row.at(2)), number(row.at(3))});
    return tallies;
}

std::int64_t SqlStorage::ReportCount() {
    return number(run(Queries::ReportCount, {}).rows.at(0).at(0));
}
