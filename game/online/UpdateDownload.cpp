#include "online/UpdateDownload.h"

#include "online/UpdateSignature.h"
#include "online/UpdateTarget.h"
#include "shell/Ports.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QRegularExpression>
#include <limits>

namespace {

QNetworkRequest requestFor(const QString& address) {
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

std::optional<std::int32_t> UpdateDownload::AnnouncedSize(const QByteArray& header) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    const QString text = QString::fromLatin1(header).trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 value = text.toLongLong();
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

UpdateDownload::UpdateDownload(QObject* parent)
    : QObject(parent), m_inet(new QNetworkAccessManager(this)) {
}

// The window that listens is itself going away: it hears nothing more.
UpdateDownload::~UpdateDownload() {
    blockSignals(true);
    Cancel();
}

void UpdateDownload::Start(const QString& address) {
    Cancel();
    m_address = address;
    m_total = 0;
    m_received = 0;
    m_headersSeen = false;
    m_running = true;
    m_reply = m_inet->get(requestFor(address));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateDownload::headersArrived);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &UpdateDownload::networkError);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateDownload::bodyComplete);
    // More than announced is never kept in memory, let alone started.
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 bytes) {
        if (m_running && m_headersSeen && bytes > m_total)
            refuse();
    });
}

void UpdateDownload::Cancel() {
    const bool wasRunning = m_running;
    m_running = false;
    for (QNetworkReply* reply : {m_reply.data(), m_signature.data()}) {
        if (reply) {
            reply->disconnect(this);
            // A reply that failed has stopped already.
            if (reply->error() == QNetworkReply::NoError)
                reply->abort();
            reply->deleteLater();
        }
    }
    m_target.reset();
    if (wasRunning)
        Q_EMIT stopped();
}

void UpdateDownload::headersArrived() {
    if (!m_running || m_headersSeen || statusOf(m_reply) == 0)
        return;
    m_headersSeen = true;
    if (statusOf(m_reply) != 200)
        return; // the error state that follows reports it
    const std::optional<std::int32_t> total = AnnouncedSize(m_reply->rawHeader("Content-Length"));
    if (!total) {
        fail(ErrorNumber, QStringLiteral("The update's Content-length is missing or not a number"));
        return;
    }
    m_total = *total;
    Q_EMIT totalKnown(m_total);
}

void UpdateDownload::networkError() {
    if (!m_running)
        return;
    const int status = statusOf(m_reply);
    const QString description =
        status != 0 ? QStringLiteral("HTTP ") + QString::number(status) + u' ' +
                          m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()
                    : m_reply->errorString();
    fail(ErrorNumber, description);
}

void UpdateDownload::bodyComplete() {
    if (!m_running || m_reply->error() != QNetworkReply::NoError)
        return;
    if (statusOf(m_reply) != 200) {
        networkError();
        return;
    }
    m_target = UpdateTarget::Create();
    if (!m_target) {
        fail(ErrorNumber,
             QStringLiteral("No private folder for the update under ") + UpdateTarget::TempRoot());
        return;
    }
    if (readChunks())
        fetchSignature();
}

// Returns true when the whole body was read and written; false when it stopped (cancelled,
// failed, refused), in which case everything has been cleaned up already.
bool UpdateDownload::readChunks() {
    const QPointer<UpdateDownload> alive(this);
    QByteArray chunk = m_reply->read(ChunkBytes);
    QCoreApplication::processEvents();
    while (alive && m_running && !chunk.isEmpty()) {
        m_received += static_cast<std::int32_t>(chunk.size());
        Q_EMIT received(m_received);
        if (!m_target->Append(chunk)) {
            fail(ErrorNumber,
                 QStringLiteral("The update could not be written to ") + m_target->Path());
            return false;
        }
        chunk = m_reply->read(ChunkBytes);
        QCoreApplication::processEvents();
    }
    return alive && m_running;
}

void UpdateDownload::fetchSignature() {
    if (m_target->Size() != m_total || m_received != m_total) {
        refuse();
        return;
    }
    m_signature = m_inet->get(requestFor(m_address + QStringLiteral(".sig")));
    connect(m_signature, &QNetworkReply::finished, this, &UpdateDownload::signatureArrived);
}

void UpdateDownload::signatureArrived() {
    if (!m_running)
        return;
    const bool answered =
        m_signature->error() == QNetworkReply::NoError && statusOf(m_signature) == 200;
    const QByteArray signature =
        answered ? m_signature->read(UpdateSignature::SignatureBytes + 1) : QByteArray();
    if (!UpdateSignature::Verify(m_target->Contents(), signature)) {
        refuse();
        return;
    }
    launch();
}

// The verified program runs on its own; the game makes way for it at once.
void UpdateDownload::launch() {
    const QString program = m_target->Path();
    if (!m_target->MakeExecutable() || !QProcess::startDetached(program, {})) {
        fail(ErrorNumber, QStringLiteral("The update program could not be started: ") + program);
        return;
    }
    m_target->Keep();
    m_target.reset();
    m_running = false;
    EndProgram();
}

// Each stops first and tells afterwards: the message box keeps events running, and nothing of
// this download may go on meanwhile.
void UpdateDownload::fail(long number, const QString& description) {
    Cancel();
    ReportError(number, ErrorSource, description);
}

void UpdateDownload::refuse() {
    Cancel();
    ShowMessage(NotVerified);
}
