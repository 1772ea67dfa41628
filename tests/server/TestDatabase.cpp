#include "TestDatabase.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <libpq-fe.h>
#include <stdexcept>
#include <unistd.h>

namespace {
std::string makeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "qb-server-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

std::string postgresFolder() {
    const char* folder = std::getenv("QB_TEST_POSTGRES");
    if (!folder || !*folder)
        throw std::runtime_error("QB_TEST_POSTGRES is not set: run the server tests through ctest, "
                                 "which starts the private PostgreSQL");
    return folder;
}
} // namespace

TestDatabase::TestDatabase(const std::string& engine) : m_folder(makeFolder()) {
    if (engine == "sqlite") {
        m_url = "sqlite:" + m_folder + "/stats.sqlite";
        return;
    }
    static std::atomic<int> counter{0};
    m_schema = "t" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    m_adminUrl = "postgresql:///postgres?host=" + postgresFolder() + "&user=qbtest";
    adminStatement("CREATE SCHEMA " + m_schema);
    m_url = m_adminUrl + "&options=-csearch_path%3D" + m_schema;
}

TestDatabase::~TestDatabase() {
    if (!m_schema.empty()) {
        try {
            adminStatement("DROP SCHEMA " + m_schema + " CASCADE");
        } catch (const std::exception&) {
            // A schema left behind goes with the cluster at the end of the run.
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void TestDatabase::adminStatement(const std::string& statement) const {
    PGconn* connection = PQconnectdb(m_adminUrl.c_str());
    PQsetNoticeProcessor(
        connection, [](void*, const char*) {}, nullptr);
    PGresult* result =
        PQstatus(connection) == CONNECTION_OK ? PQexec(connection, statement.c_str()) : nullptr;
    const bool ok = result && PQresultStatus(result) == PGRES_COMMAND_OK;
    const std::string message = PQerrorMessage(connection);
    PQclear(result);
    PQfinish(connection);
    if (!ok)
        throw std::runtime_error("PostgreSQL: " + message);
}
