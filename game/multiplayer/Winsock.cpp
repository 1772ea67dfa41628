#include "multiplayer/Winsock.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Send failures other than a missing connection are numbered above this, after the socket error.
constexpr int SocketErrorBase = 40000;
} // namespace

Winsock::Winsock(QObject* parent) : QObject(parent), m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &Winsock::NewConnections);
}

Winsock::~Winsock() {
    DropSocket();
}

void Winsock::Close() {
    m_server->close();
    DropSocket();
    m_state = Closed;
}

void Winsock::DropSocket() {
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void Winsock::Bind(quint16 port, const QString& address) {
    m_localPort = port;
    m_localAddress = address;
    m_state = Open;
}

void Winsock::Listen() {
    const QHostAddress address = m_localAddress.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4)
                                                          : QHostAddress(m_localAddress);
    if (m_server->listen(address, m_localPort)) {
        m_state = Listening;
        return;
    }
    m_lastError = m_server->errorString();
    m_state = Error;
}

quint16 Winsock::LocalPort() const {
    return m_server->isListening() ? m_server->serverPort() : m_localPort;
}

void Winsock::Connect(const QString& remoteHost, quint16 remotePort) {
    Take(new QTcpSocket(this));
    m_state = ResolvingHost;
    m_socket->connectToHost(remoteHost, remotePort);
}

void Winsock::Take(QTcpSocket* socket) {
    DropSocket();
    m_socket = socket;
    connect(socket, &QTcpSocket::stateChanged, this, &Winsock::SocketStateChanged);
    connect(socket, &QTcpSocket::errorOccurred, this, &Winsock::SocketError);
    // Reported from the event loop, not from inside the socket's own signal: the socket tells
    // of no new data while that signal is running, and the game may wait in a message box
    // while it handles a line.
    connect(
        socket, &QTcpSocket::readyRead, this,
        [this] { Q_EMIT DataArrival(m_socket ? m_socket->bytesAvailable() : 0); },
        Qt::QueuedConnection);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (m_state != Connected && m_state != Closing)
            return;
        m_state = Closing;
        Q_EMIT PeerClosed();
    });
}

// Each waiting connection is offered once; whatever the handler did not accept is dropped.
void Winsock::NewConnections() {
    while (QTcpSocket* pending = m_server->nextPendingConnection()) {
        const int id = m_nextRequest++;
        m_requests[id] = pending;
        Q_EMIT ConnectionRequest(id);
        const auto left = m_requests.find(id);
        if (left != m_requests.end()) {
            left->second->abort();
            left->second->deleteLater();
            m_requests.erase(left);
        }
    }
}

void Winsock::Accept(int requestId) {
    const auto request = m_requests.find(requestId);
    if (request == m_requests.end())
        return;
    QTcpSocket* socket = request->second;
    m_requests.erase(request);
    socket->setParent(this);
    Take(socket);
    m_state = Connected;
    if (socket->bytesAvailable() > 0)
        Q_EMIT DataArrival(socket->bytesAvailable());
}

void Winsock::SocketStateChanged() {
    if (!m_socket || m_state == Error)
        return;
    switch (m_socket->state()) {
    case QAbstractSocket::HostLookupState:
        m_state = ResolvingHost;
        break;
    case QAbstractSocket::ConnectingState:
        m_state = Connecting;
        break;
    case QAbstractSocket::ConnectedState:
        m_state = Connected;
        break;
    case QAbstractSocket::ClosingState:
        m_state = Closing;
        break;
    default:
        break;
    }
}

void Winsock::SocketError() {
    if (!m_socket || m_socket->error() == QAbstractSocket::RemoteHostClosedError)
        return;
    m_lastError = m_socket->errorString();
    if (m_state != Connected)
        m_state = Error;
}

QByteArray Winsock::GetData() {
    return m_socket ? m_socket->readAll() : QByteArray();
}

int Winsock::SendData(const QByteArray& bytes) {
    if (!m_socket || m_state != Connected)
        return WrongProtocolOrConnectionState;
    if (m_socket->write(bytes) == bytes.size())
        return 0;
    m_lastError = m_socket->errorString();
    return SocketErrorBase + static_cast<int>(m_socket->error());
}
