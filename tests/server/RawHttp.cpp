#include "RawHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

std::string RawExchange(int port, const std::string& bytes) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        throw std::runtime_error("cannot connect to the server");
    }
    // The server may stop reading and answer early; what it did not read is simply dropped.
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    shutdown(fd, SHUT_WR);
    std::string answer;
    pollfd wait{fd, POLLIN, 0};
    char buffer[4096];
    while (poll(&wait, 1, 1000) > 0) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return answer;
}

int StatusOf(const std::string& answer) {
    if (answer.rfind("HTTP/1.", 0) != 0 || answer.size() < 12)
        return 0;
    return std::stoi(answer.substr(9, 3));
}
