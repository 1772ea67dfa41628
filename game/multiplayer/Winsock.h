#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>

class QTcpServer;
class QTcpSocket;

// The one TCP socket of a multiplayer game: first listening (host) or connecting (client), then
// carrying the match's connection. It reports the state numbers the game knows (closed 0 to
// error 9) and three events: a connection request (host), data arrival and the other side
// closing. A request is taken over with Accept; requests nobody accepts are dropped, so exactly
// one connection is ever carried.
class Winsock : public QObject {
    Q_OBJECT
public:
    enum State {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        Closing = 8,
        Error = 9,
    };
    // The error of a send while there is no connection.
    static constexpr int WrongProtocolOrConnectionState = 40006;

    explicit Winsock(QObject* parent = nullptr);
    ~Winsock() override;

    int State() const { return m_state; }
    // Drops the connection or the listening; harmless when closed. Requests already reported
    // stay acceptable until the event that reported them has been handled.
    void Close();
    // Listening on one local address, or on all of them when address is empty.
    void Bind(quint16 port, const QString& address = {});
    void Listen();
    void Connect(const QString& remoteHost, quint16 remotePort);
    void Accept(int requestId);
    // The bytes waiting since the last DataArrival.
    QByteArray GetData();
    // Writes bytes as one send. 0, WrongProtocolOrConnectionState without a connection, or
    // another error number (with its description in LastError()).
    int SendData(const QByteArray& bytes);
    QString LastError() const { return m_lastError; }
    // The port listened on (the one chosen by the system for port 0).
    quint16 LocalPort() const;

Q_SIGNALS:
    void ConnectionRequest(int requestId);
    void DataArrival(qint64 bytesTotal);
    // The Close event: the other side closed the connection.
    void PeerClosed();

private:
    void Take(QTcpSocket* socket);
    void NewConnections();
    void SocketStateChanged();
    void SocketError();
    void DropSocket();

    QTcpServer* m_server;
    QTcpSocket* m_socket = nullptr;
    std::map<int, QTcpSocket*> m_requests;
    int m_nextRequest = 1;
    int m_state = Closed;
    quint16 m_localPort = 0;
    QString m_localAddress;
    QString m_lastError;
};
