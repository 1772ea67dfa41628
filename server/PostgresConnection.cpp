#include "PostgresConnection.h"

#include "Storage.h"

#include <memory>

namespace {
const char* const Schema = R"(
SELECT pg_advisory_lock(20811);
CREATE TABLE IF NOT EXISTS accounts (
    id integer PRIMARY KEY CHECK (id BETWEEN 1 AND 9999),
    pwhash text NOT NULL);
CREATE TABLE IF NOT EXISTS reports (
    id bigserial PRIMARY KEY,
    account_id integer NOT NULL,
    highscore integer NOT NULL,
    win smallint NOT NULL,
    game_type smallint NOT NULL,
    level smallint NOT NULL,
    version integer NOT NULL,
    received_at timestamptz NOT NULL DEFAULT now());
CREATE INDEX IF NOT EXISTS reports_by_account ON reports (account_id, highscore);
SELECT pg_advisory_unlock(20811);
)";

using ResultHandle = std::unique_ptr<PGresult, decltype(&PQclear)>;

std::string text(const SqlValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    return std::get<std::string>(value);
}
} // namespace

PostgresConnection::PostgresConnection(const std::string& url)
    : m_connection(PQconnectdb(url.c_str())) {
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(m_connection);
        PQfinish(m_connection);
        m_connection = nullptr;
        throw StorageError("cannot connect to PostgreSQL: " + message);
    }
    // Notices ("relation already exists, skipping") are not the server's to print.
    PQsetNoticeProcessor(
        m_connection, [](void*, const char*) {}, nullptr);
}

PostgresConnection::~PostgresConnection() {
    PQfinish(m_connection);
}

bool PostgresConnection::Healthy() const {
    return m_connection && PQstatus(m_connection) == CONNECTION_OK;
}

void PostgresConnection::fail(const std::string& what) const {
    throw StorageError(what + ": " + PQerrorMessage(m_connection));
}

void PostgresConnection::execute(const char* statement) {
    ResultHandle result(PQexec(m_connection, statement), &PQclear);
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail("PostgreSQL");
}

void PostgresConnection::CreateSchema() {
    execute(Schema);
}

const std::string& PostgresConnection::prepared(const char* query) {
    const auto found = m_statements.find(query);
    if (found != m_statements.end())
        return found->second;
    const std::string name = "q" + std::to_string(m_statements.size());
    ResultHandle result(PQprepare(m_connection, name.c_str(), query, 0, nullptr), &PQclear);
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        fail("PostgreSQL cannot prepare a statement");
    return m_statements.emplace(query, name).first->second;
}

SqlResult PostgresConnection::Run(const char* query, const SqlParams& params) {
    const std::string& name = prepared(query);
    std::vector<std::string> texts;
    texts.reserve(params.size());
    std::vector<const char*> values;
    for (const SqlValue& param : params)
        values.push_back(texts.emplace_back(text(param)).c_str());
    ResultHandle result(PQexecPrepared(m_connection, name.c_str(), static_cast<int>(values.size()),
                                       values.data(), nullptr, nullptr, 0),
                        &PQclear);
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail("PostgreSQL");
    SqlResult out;
    for (int r = 0; r < PQntuples(result.get()); ++r) {
        SqlRow row;
        for (int c = 0; c < PQnfields(result.get()); ++c)
            row.emplace_back(PQgetvalue(result.get(), r, c));
        out.rows.push_back(std::move(row));
    }
    const char* changed = PQcmdTuples(result.get());
    out.changes = *changed ? std::stoll(changed) : 0;
    return out;
}

void PostgresConnection::InTransaction(const std::function<void()>& work) {
    execute("BEGIN");
    try {
        work();
        execute("COMMIT");
    } catch (...) {
        if (Healthy())
            PQclear(PQexec(m_connection, "ROLLBACK"));
        throw;
    }
}
