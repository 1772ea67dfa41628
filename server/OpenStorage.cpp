#include "PostgresConnection.h"
#include "SqlStorage.h"
#include "SqliteConnection.h"

#include <filesystem>

namespace {
bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::unique_ptr<Storage> openSqlite(const std::string& path) {
    if (path.empty())
        throw std::invalid_argument("sqlite: needs a file path");
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!parent.empty())
        std::filesystem::create_directories(parent, ignored);
    auto writeLock = std::make_shared<std::mutex>();
    SqliteConnection(path, writeLock).CreateSchema();
    return std::make_unique<SqlStorage>(
        [path, writeLock] { return std::make_unique<SqliteConnection>(path, writeLock); });
}

std::unique_ptr<Storage> openPostgres(const std::string& url) {
    PostgresConnection(url).CreateSchema();
    return std::make_unique<SqlStorage>(
        [url] { return std::make_unique<PostgresConnection>(url); });
}
} // namespace

std::unique_ptr<Storage> OpenStorage(const std::string& url) {
    if (startsWith(url, "sqlite:"))
        return openSqlite(url.substr(7));
    if (startsWith(url, "postgresql://") || startsWith(url, "postgres://"))
        return openPostgres(url);
    throw std::invalid_argument("the database must be sqlite:PATH or a postgresql:// URL");
}
