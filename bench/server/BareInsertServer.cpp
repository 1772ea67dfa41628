// The yardstick the master server's load figures are read against: the same HTTP library and
// database connections answering "/stats.php" with one prepared insert per request and nothing
// else (no validation, no account check). Run side by side with the real server, the ratio of
// the two says what the server's own work costs on this machine, however busy it is.
//
//   bench_bare_insert_server DATABASE_URL

#include "ConnectionPool.h"
#include "PostgresConnection.h"
#include "SqliteConnection.h"
#include "Storage.h"

#include <httplib.h>
#include <iostream>

namespace {
constexpr const char* Insert =
    "INSERT INTO reports (account_id, highscore, win, game_type, level, version) "
    "VALUES (CAST($1 AS INTEGER), CAST($2 AS INTEGER), 1, 0, 1, 182)";
constexpr int WorkerThreads = 16;

ConnectionPool<SqlConnection>::Factory factoryFor(const std::string& url) {
    if (url.rfind("sqlite:", 0) == 0) {
        auto lock = std::make_shared<std::mutex>();
        return
            [path = url.substr(7), lock] { return std::make_unique<SqliteConnection>(path, lock); };
    }
    return [url] { return std::make_unique<PostgresConnection>(url); };
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: bench_bare_insert_server DATABASE_URL\n";
        return 2;
    }
    OpenStorage(argv[1]);
    ConnectionPool<SqlConnection> pool(factoryFor(argv[1]));
    httplib::Server server;
    server.set_tcp_nodelay(true);
    server.set_keep_alive_max_count(1000000);
    server.new_task_queue = [] { return new httplib::ThreadPool(WorkerThreads); };
    server.Get("/stats.php", [&pool](const httplib::Request& request, httplib::Response& response) {
        auto connection = pool.Take();
        connection->Run(Insert,
                        {request.get_param_value("id"), request.get_param_value("highscore")});
        response.set_content("1", "text/plain");
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::cout << "bare insert server: listening on 127.0.0.1:" << port << std::endl;
    return server.listen_after_bind() ? 0 : 1;
}
