#pragma once

#include <string>

// A fresh, empty database of one engine for one test: an SQLite file in a new temporary
// folder, or a new schema in the tests' private PostgreSQL (its folder is named by the
// environment variable QB_TEST_POSTGRES, which the test command's fixture sets). Both are
// removed again when the object goes.
class TestDatabase {
public:
    explicit TestDatabase(const std::string& engine);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& Url() const { return m_url; }
    // A folder that lives as long as the database, for the test's other files.
    const std::string& Folder() const { return m_folder; }

private:
    void adminStatement(const std::string& statement) const;

    std::string m_folder;
    std::string m_url;
    std::string m_adminUrl;
    std::string m_schema;
};
