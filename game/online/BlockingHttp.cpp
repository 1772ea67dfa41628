#include "online/BlockingHttp.h"

#include "Cp1252.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

int requestTimeoutMs = BlockingHttp::DefaultTimeoutMs;

QNetworkAccessManager& manager() {
    static QNetworkAccessManager* inet = new QNetworkAccessManager;
    return *inet;
}

// Runs a GET to its end in a loop that leaves user input queued. Returns the finished reply, or
// null when the time ran out or the body grew past the limit (the request is then cancelled).
std::unique_ptr<QNetworkReply> finishedReply(const QString& address, int timeoutMs) {
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager().get(request));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer); // never gives up before the time is out
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received) {
        if (received > BlockingHttp::MaxAnswerBytes)
            loop.quit();
    });
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished() || reply->bytesAvailable() > BlockingHttp::MaxAnswerBytes) {
        reply->abort();
        return nullptr;
    }
    return reply;
}

} // namespace

int BlockingHttp::TimeoutMs() {
    return requestTimeoutMs;
}

void BlockingHttp::SetTimeoutMs(int ms) {
    requestTimeoutMs = ms;
}

QString BlockingHttp::Get(const QString& address, int timeoutMs) {
    const std::unique_ptr<QNetworkReply> reply = finishedReply(address, timeoutMs);
    if (!reply)
        return {};
    return AnswerText(reply->readAll());
}

QString BlockingHttp::AnswerText(const QByteArray& body) {
    return QString::fromStdString(cp1252::toUtf8(std::string_view(body.data(), body.size())));
}

bool BlockingHttp::Answers(const QString& address, int timeoutMs) {
    const std::unique_ptr<QNetworkReply> reply = finishedReply(address, timeoutMs);
    return reply && reply->error() == QNetworkReply::NoError &&
           reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
}
