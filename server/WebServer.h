#pragma once

#include "DownloadFolder.h"
#include "HttpListener.h"
#include "StatsService.h"

#include <atomic>
#include <filesystem>
#include <string>

// The master server and the product web site on one HTTP listener:
//   /stats.php?mode=check|stats|update&...   the statistics script
//   /downloads/<file>                         the downloads folder
//   /index.php?page=userguide                 the user guide shipped beside the server
//   /index.php?page=highscores                the highscore page
class WebServer {
public:
    struct Settings {
        std::filesystem::path downloads;
        std::filesystem::path userGuide;
        int workerThreads = 8;
    };

    WebServer(const Settings& settings, StatsService& stats, Storage& storage);

    // Binds the listener; port 0 takes any free port. Returns the port, or -1.
    int Bind(const std::string& host, int port);
    // Serves until Stop() is called (from another thread or a signal watcher).
    bool Run();
    // Ends Run(); asked before Run() has begun to serve, it waits for that first, since the
    // library forgets a stop that comes while it is not serving yet.
    void Stop();
    // Answers one connection's requests read from stream, without a socket.
    void Serve(httplib::Stream& stream) { m_server.Serve(stream); }

private:
    void routes();
    void configure(int workerThreads);
    void page(const httplib::Request& request, httplib::Response& response);

    HttpListener m_server;
    std::atomic<bool> m_ended{false};
    DownloadFolder m_downloads;
    std::filesystem::path m_userGuide;
    StatsService& m_stats;
    Storage& m_storage;
};
