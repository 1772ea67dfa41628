// The real master server against clients that misbehave on the wire: one that trickles a byte a
// second, a flood of connections, requests cut off midway. The server stays up, ends what it
// cannot use after its read time-out and keeps answering everybody else.
#include "RawHttp.h"
#include "ServerTest.h"
#include "Storage.h"

#include <arpa/inet.h>
#include <chrono>
#include <future>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

// The server's read time-out.
constexpr seconds ReadTimeout{5};

class Socket {
public:
    explicit Socket(int port) : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected = connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~Socket() {
        if (m_fd >= 0)
            close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool Connected() const { return m_connected; }
    bool Send(const std::string& bytes) {
        return send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    }
    // Waits up to wait for something from the server; false when nothing came. Sets closed
    // when the server ended the connection.
    bool Receive(milliseconds wait, std::string& answer, bool& closed) {
        pollfd watched{m_fd, POLLIN, 0};
        if (poll(&watched, 1, static_cast<int>(wait.count())) <= 0)
            return false;
        char buffer[4096];
        const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
        closed = n <= 0;
        if (n > 0)
            answer.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    // Says it sends nothing more and leaves.
    void Finish() {
        shutdown(m_fd, SHUT_WR);
        close(m_fd);
        m_fd = -1;
    }
    // Leaves at once with a reset, as a client does whose program was killed.
    void Abort() {
        const linger now{1, 0};
        setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
        close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
    bool m_connected = false;
};

struct SlowOutcome {
    Clock::duration open; // from the first byte until the server ended the connection
    std::string answer;
    bool closedByServer = false;
};

// Sends the request one byte a second until the server ends the connection (at most limit).
SlowOutcome trickle(int port, const std::string& request, seconds limit) {
    Socket slow(port);
    SlowOutcome outcome;
    const Clock::time_point start = Clock::now();
    for (std::size_t i = 0; i < request.size() && Clock::now() - start < limit; ++i) {
        if (!slow.Send(request.substr(i, 1)))
            break;
        bool closed = false;
        if (slow.Receive(milliseconds(1000), outcome.answer, closed) && closed) {
            outcome.closedByServer = true;
            break;
        }
    }
    outcome.open = Clock::now() - start;
    return outcome;
}

class ServerNetworkFaultTest : public ServerTest {
protected:
    std::vector<std::unique_ptr<Socket>> connections(int count) const {
        std::vector<std::unique_ptr<Socket>> opened;
        for (int i = 0; i < count; ++i) {
            opened.push_back(std::make_unique<Socket>(server->Port()));
            EXPECT_TRUE(opened.back()->Connected()) << "connection " << i;
        }
        return opened;
    }
    // The body of the first answer on the connection, waiting up to ten seconds for it.
    static std::string answerTo(Socket& socket) {
        std::string answer;
        bool closed = false;
        const auto complete = [&answer] {
            const std::size_t body = answer.find("\r\n\r\n");
            return body != std::string::npos && answer.size() > body + 4;
        };
        while (!complete() && socket.Receive(milliseconds(10000), answer, closed) && !closed) {
        }
        return complete() ? answer.substr(answer.find("\r\n\r\n") + 4) : std::string();
    }
    std::string checkRequest() const {
        return "GET /stats.php?mode=check&id=42&pw=" + Secret + " HTTP/1.1\r\nHost: x\r\n\r\n";
    }
    // A well-behaved request, answered correctly and quickly.
    void expectPromptAnswer(const char* when) {
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + Secret), "1") << when;
        EXPECT_LT(Clock::now() - start, milliseconds(1500)) << when;
    }
};

TEST_P(ServerNetworkFaultTest, ByteASecondClientIsCutOffAfterTheReadTimeOutWhileOthersAreServed) {
    auto slow =
        std::async(std::launch::async, trickle, server->Port(), checkRequest(), seconds(20));
    for (int i = 0; i < 6; ++i) {
        expectPromptAnswer("while a client trickles");
        std::this_thread::sleep_for(milliseconds(500));
    }
    const SlowOutcome outcome = slow.get();
    EXPECT_TRUE(outcome.closedByServer);
    EXPECT_GE(outcome.open, ReadTimeout - seconds(1));
    EXPECT_LE(outcome.open, ReadTimeout + seconds(2));
    EXPECT_EQ(outcome.answer.find("\r\n\r\n1"), std::string::npos) << "no answer to half a request";
    EXPECT_TRUE(server->Running());
}

TEST_P(ServerNetworkFaultTest, FloodOfConnectionsLeavesTheServerAnsweringOthers) {
    // Silent connections by the hundred take nothing from a client that asks.
    auto silent = connections(200);
    expectPromptAnswer("with 200 silent connections open");
    silent.clear();

    // As many asking at once are all answered, and so is another client meanwhile.
    auto asking = connections(200);
    for (auto& s : asking)
        s->Send(checkRequest());
    expectPromptAnswer("while 200 requests arrive at once");
    int answered = 0;
    for (auto& s : asking)
        answered += answerTo(*s) == "1";
    EXPECT_EQ(answered, 200);
    asking.clear();

    // More silent connections than the server has workers: a client that asks waits at most
    // until the first of them are ended by the read time-out (as long as the game would wait).
    silent = connections(400);
    client->set_read_timeout(60, 0);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + Secret), "1");
    EXPECT_LT(Clock::now() - start, ReadTimeout + seconds(3));
    silent.clear();
    expectPromptAnswer("after the flood");
    EXPECT_TRUE(server->Running());
}

TEST_P(ServerNetworkFaultTest, SilentConnectionsDoNotHoldUpTheServersEnd) {
    const auto silent = connections(100);
    expectPromptAnswer("with 100 silent connections open");
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(server->Stop(), 0);
    EXPECT_LT(Clock::now() - start, seconds(2));
}

TEST_P(ServerNetworkFaultTest, RequestsCutOffMidwayHarmNothing) {
    const std::string requests[] = {
        "GET /stats.php?mode=check&id=4",
        "GET /stats.php?mode=stats&id=42&pw=" + Secret +
            "&highscore=1&win=1&GameType=0&level=1"
            "&ver=182 HTTP/1.1\r\nHost: x\r\n",
        "POST /stats.php HTTP/1.1\r\nHost: x\r\nContent-Length: 1000\r\n\r\nmode=stats&id=42",
        "POST /stats.php HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n400\r\nmode",
        "GET /downloads/update.exe HTTP/1.1\r\nHost: x\r\n\r\n",
    };
    for (const std::string& request : requests)
        for (const bool reset : {false, true}) {
            Socket cut(server->Port());
            ASSERT_TRUE(cut.Connected());
            cut.Send(request);
            if (reset)
                cut.Abort();
            else
                cut.Finish();
        }
    // Half a request and then silence: the server ends it after its read time-out.
    Socket silent(server->Port());
    silent.Send(requests[1]);
    std::string answer;
    bool closed = false;
    const Clock::time_point start = Clock::now();
    while (silent.Receive(milliseconds(ReadTimeout * 3), answer, closed) && !closed) {
    }
    EXPECT_TRUE(closed);
    EXPECT_LE(Clock::now() - start, ReadTimeout + seconds(2));
    expectPromptAnswer("after the cut-off requests");
    EXPECT_EQ(OpenStorage(database->Url())->ReportCount(), 0);
    EXPECT_TRUE(server->Running());
}

INSTANTIATE_TEST_SUITE_P(Sqlite, ServerNetworkFaultTest, ::testing::Values("sqlite"),
                         [](const auto& engine) { return engine.param; });

} // namespace
