#include "RecordingHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

RecordingHttpServer::RecordingHttpServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &RecordingHttpServer::accept);
}

QString RecordingHttpServer::host() const {
    return QStringLiteral("127.0.0.1:") + QString::number(m_server.serverPort());
}

void RecordingHttpServer::answer(const QString& path, CannedAnswer canned) {
    m_answers[path] = std::move(canned);
}

void RecordingHttpServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* head = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, [head] { delete head; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, head] {
            head->append(socket->readAll());
            if (!head->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> words = head->left(head->indexOf("\r\n")).split(' ');
            head->clear();
            serve(socket, words.size() >= 2 ? words[1] : QByteArray());
        });
    }
}

void RecordingHttpServer::serve(QTcpSocket* socket, const QByteArray& target) {
    requests.append(QString::fromLatin1(target));
    if (onRequest)
        onRequest();
    const QString path = QString::fromLatin1(target.split('?').front());
    const CannedAnswer canned = m_answers.value(path, CannedAnswer{404, "not found"});
    const QByteArray length = canned.contentLength.isEmpty()
                                  ? QByteArray::number(canned.body.size())
                                  : canned.contentLength;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(canned.status) +
                       (canned.status == 200 ? " OK" : " Not Found") + "\r\nConnection: close\r\n";
    if (length != CannedAnswer::Omitted)
        reply += "Content-Length: " + length + "\r\n";
    reply +=
        "\r\n" + canned.body.left(canned.closeAfter < 0 ? canned.body.size() : canned.closeAfter);
    const auto send = [socket, reply] {
        socket->write(reply);
        socket->disconnectFromHost();
    };
    if (canned.delayMs < 0)
        return;
    if (canned.delayMs == 0)
        send();
    else
        QTimer::singleShot(canned.delayMs, socket, send);
}
