#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QTcpServer>
#include <functional>

// What the test server sends for one path.
struct CannedAnswer {
    // As contentLength: no Content-Length header at all.
    static inline const QByteArray Omitted = QByteArrayLiteral("omitted");

    CannedAnswer(int status_ = 200, QByteArray body_ = {}, QByteArray contentLength_ = {},
                 qsizetype closeAfter_ = -1, int delayMs_ = 0)
        : status(status_), body(std::move(body_)), contentLength(std::move(contentLength_)),
          closeAfter(closeAfter_), delayMs(delayMs_) {}

    int status = 200;
    QByteArray body;
    // The Content-Length header as sent; empty for the body's true length, or Omitted.
    QByteArray contentLength;
    // Closes the connection after this many body bytes (a server that stops early); -1 for all.
    qsizetype closeAfter = -1;
    // Answers only after this many milliseconds (or never, with -1).
    int delayMs = 0;
};

// A small HTTP server on 127.0.0.1 inside the test process. It records every request target
// (path and query, exactly as the client sent them) and answers each path with its canned
// answer; unknown paths get 404. It runs on the test's event loop, which the game's blocking
// requests keep turning.
class RecordingHttpServer : public QObject {
    Q_OBJECT
public:
    RecordingHttpServer();

    // "127.0.0.1:<port>": what the game stores as its master server.
    QString host() const;
    void answer(const QString& path, CannedAnswer answer);

    QStringList requests;
    // Runs when a request has arrived, before it is answered.
    std::function<void()> onRequest;

private:
    void accept();
    void serve(QTcpSocket* socket, const QByteArray& target);

    QTcpServer m_server;
    QMap<QString, CannedAnswer> m_answers;
};
