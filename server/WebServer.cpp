#include "WebServer.h"

#include "HighscorePage.h"
#include "QueryFields.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace {
constexpr const char* Text = "text/plain; charset=utf-8";
constexpr const char* Html = "text/html; charset=utf-8";
constexpr std::size_t LongestBody = 4096;
constexpr time_t ReadTimeoutSeconds = 5;
constexpr std::size_t RequestsPerConnection = 1000000;
// The game sends a handful of headers; a request with far more, or with large ones, is no
// client of ours and is refused before any handler sees it.
constexpr std::size_t MostHeaders = 64;
constexpr std::size_t LongestHeaders = 16384;

// The library reads no body for these methods. A request of theirs that brings one anyway is
// refused: its bytes would otherwise be read as the next request on the connection.
bool unreadBody(const httplib::Request& request) {
    const bool bodiless =
        request.method == "GET" || request.method == "HEAD" || request.method == "OPTIONS";
    return bodiless && (request.has_header("Transfer-Encoding") ||
                        (request.has_header("Content-Length") &&
                         request.get_header_value("Content-Length") != "0"));
}

bool headersFit(const httplib::Headers& headers) {
    std::size_t total = 0;
    for (const auto& [name, value] : headers)
        total += name.size() + value.size();
    return headers.size() <= MostHeaders && total <= LongestHeaders;
}

std::optional<std::string> fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void notFound(httplib::Response& response) {
    response.status = 404;
    response.set_content("Not found\n", Text);
}
} // namespace

WebServer::WebServer(const Settings& settings, StatsService& stats, Storage& storage)
    : m_downloads(settings.downloads), m_userGuide(settings.userGuide), m_stats(stats),
      m_storage(storage) {
    configure(settings.workerThreads);
    routes();
}

// Debian's library is built with TCP_NODELAY off; without it every answer waits for the
// client's delayed acknowledgement. Requests are small: bodies, idle connections and slow
// senders are cut short, and any handler failure becomes a 500 instead of ending the server.
void WebServer::configure(int workerThreads) {
    m_server.set_tcp_nodelay(true);
    m_server.set_payload_max_length(LongestBody);
    m_server.set_read_timeout(ReadTimeoutSeconds);
    m_server.set_write_timeout(ReadTimeoutSeconds);
    m_server.set_keep_alive_max_count(RequestsPerConnection);
    m_server.new_task_queue = [workerThreads] {
        return new httplib::ThreadPool(static_cast<std::size_t>(workerThreads));
    };
    m_server.set_pre_routing_handler(
        [](const httplib::Request& request, httplib::Response& response) {
            if (!headersFit(request.headers)) {
                response.status = 431;
                response.set_content("Request headers too large\n", Text);
            } else if (unreadBody(request)) {
                response.status = 400;
                response.set_content("A body is not expected here\n", Text);
            } else {
                return httplib::Server::HandlerResponse::Unhandled;
            }
            return httplib::Server::HandlerResponse::Handled;
        });
    m_server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            response.status = 500;
            response.set_content("Server error\n", Text);
        });
}

void WebServer::routes() {
    m_server.Get(
        "/stats.php", [this](const httplib::Request& request, httplib::Response& response) {
            const auto query = ParseQuery(request.target);
            response.set_content(query ? m_stats.Answer(*query) : StatsAnswer::BadRequest, Text);
        });
    m_server.Get(R"(/downloads/([^/]+))",
                 [this](const httplib::Request& request, httplib::Response& response) {
                     const auto content = m_downloads.Read(request.matches[1].str());
                     if (!content)
                         return notFound(response);
                     response.set_content(*content, "application/octet-stream");
                 });
    m_server.Get("/index.php", [this](const httplib::Request& request,
                                      httplib::Response& response) { page(request, response); });
}

void WebServer::page(const httplib::Request& request, httplib::Response& response) {
    const auto query = ParseQuery(request.target);
    const auto name = query ? QueryFields(*query).Text("page") : std::nullopt;
    if (name == "userguide") {
        if (const auto guide = fileText(m_userGuide))
            return response.set_content(*guide, Html);
    } else if (name == "highscores") {
        try {
            return response.set_content(
                HighscorePage::Render(m_storage.BestHighscores(HighscorePage::ShownHighscores),
                                      m_storage.Tallies()),
                Html);
        } catch (const StorageError& e) {
            std::cerr << "queltabrovel-server: " << e.what() << '\n';
            response.status = 503;
            return response.set_content("The highscores are not available just now.\n", Text);
        }
    }
    notFound(response);
}

int WebServer::Bind(const std::string& host, int port) {
    const int bound = port == 0 ? m_server.bind_to_any_port(host)
                                : (m_server.bind_to_port(host, port) ? port : -1);
    if (bound > 0)
        m_server.WidenBacklog();
    return bound;
}

bool WebServer::Run() {
    const bool served = m_server.listen_after_bind();
    m_ended = true;
    return served;
}

void WebServer::Stop() {
    while (!m_server.is_running() && !m_ended)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    m_server.stop();
}
