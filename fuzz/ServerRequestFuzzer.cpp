// Bytes of any content arriving on one connection of the master server, answered in-process by
// the real listener: its request parsing and limits, the statistics script on a real database,
// the downloads folder and the web pages. Every request gets an HTTP answer or the connection
// ends; nothing is ever stored for a request that was refused, and nothing outside the
// downloads folder is ever sent.
#include "FuzzFile.h"
#include "Md5.h"
#include "PasswordHash.h"
#include "StatsService.h"
#include "Storage.h"
#include "WebServer.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sodium.h>

namespace {
void require(bool condition) {
    if (!condition)
        std::abort();
}

constexpr int AccountId = 42;
const std::string Outside = "the secret beside the downloads folder";

// One connection: reads the input, keeps what the server writes back.
class Connection : public httplib::Stream {
public:
    Connection(const std::uint8_t* data, std::size_t size)
        : m_input(reinterpret_cast<const char*>(data), size) {}

    bool is_readable() const override { return m_position < m_input.size(); }
    bool is_writable() const override { return true; }
    ssize_t read(char* ptr, std::size_t size) override {
        const std::size_t count = std::min(size, m_input.size() - m_position);
        std::copy_n(m_input.data() + m_position, count, ptr);
        m_position += count;
        return static_cast<ssize_t>(count);
    }
    ssize_t write(const char* ptr, std::size_t size) override {
        m_output.append(ptr, size);
        return static_cast<ssize_t>(size);
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 40000;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 8787;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

    const std::string& output() const { return m_output; }

private:
    std::string m_input;
    std::size_t m_position = 0;
    std::string m_output;
};

// The server as it runs, on a database in the fuzzer's private folder with the account 42, a
// downloads folder with one file and a secret file beside it.
struct Site {
    std::filesystem::path folder = FuzzFile::folder();
    std::unique_ptr<Storage> storage;
    std::unique_ptr<StatsService> stats;
    std::unique_ptr<WebServer> server;

    Site() {
        require(sodium_init() >= 0);
        std::filesystem::create_directories(folder / "downloads");
        std::ofstream(folder / "downloads" / "update.exe", std::ios::binary) << "update program";
        std::ofstream(folder / "secret.txt") << Outside;
        std::ofstream(folder / "userguide.html") << "<html>guide</html>";
        storage = OpenStorage("sqlite:" + (folder / "stats.sqlite").string());
        storage->SetAccount(AccountId, PasswordHash::Hash(MD5("geheim")));
        // A failed guess locks the ID for an hour, so only the first one pays for the hash.
        stats = std::make_unique<StatsService>(*storage, GameVersion{1, 9, 0}, GameVersion{1, 8, 0},
                                               std::chrono::hours(1));
        WebServer::Settings settings;
        settings.downloads = folder / "downloads";
        settings.userGuide = folder / "userguide.html";
        settings.workerThreads = 1;
        server = std::make_unique<WebServer>(settings, *stats, *storage);
    }
};
std::int64_t successes(const std::string& answer) {
    std::int64_t count = 0;
    for (std::size_t at = answer.find("HTTP/1.1 200 "); at != std::string::npos;
         at = answer.find("HTTP/1.1 200 ", at + 1))
        ++count;
    return count;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Site site;
    const std::int64_t reportsBefore = site.storage->ReportCount();
    Connection connection(data, size);
    site.server->Serve(connection);

    const std::string& answer = connection.output();
    require(answer.empty() || answer.rfind("HTTP/1.1 ", 0) == 0);
    require(answer.find(Outside) == std::string::npos);
    // A stored report was a request answered with success: never more reports than those.
    const std::int64_t stored = site.storage->ReportCount() - reportsBefore;
    require(stored >= 0 && stored <= successes(answer));
    return 0;
}
