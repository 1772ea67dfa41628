#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class UpdateTarget;

// The download of the update program, running while the update window stays usable. The
// request goes out at once; when its headers arrive the announced size is known; when the body
// is complete it is read in chunks of at most 1024 bytes, with pending window events handled
// after each, so that a cancel takes effect between two chunks. Each chunk goes into a new
// private file (UpdateTarget).
//
// Nothing downloaded runs unless it is exactly as long as announced and its Ed25519 signature,
// fetched from beside it ("<address>.sig"), verifies against the built-in key. Then the file
// becomes executable, is started on its own and the game ends. A failed or cancelled download
// leaves no file behind.
class UpdateDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 ChunkBytes = 1024;
    static constexpr long ErrorNumber = 20;
    static inline const QString ErrorSource = QStringLiteral("Update_StateChanged");
    static inline const QString NotVerified =
        QStringLiteral("The update could not be verified, so it was not started. "
                       "The downloaded file has been deleted.");

    // The size a "Content-Length" header announces, as the 32-bit count the window shows;
    // nothing for a missing, non-numeric or too large value.
    static std::optional<std::int32_t> AnnouncedSize(const QByteArray& header);

    explicit UpdateDownload(QObject* parent = nullptr);
    ~UpdateDownload() override;

    void Start(const QString& address);
    // Stops whatever runs and removes what was written. Nothing is reported.
    void Cancel();
    bool Running() const { return m_running; }

Q_SIGNALS:
    // The announced size of the body.
    void totalKnown(std::int32_t totalBytes);
    // Another chunk was written; receivedBytes in all so far.
    void received(std::int32_t receivedBytes);
    // The download ended without starting anything; the player was told why.
    void stopped();

private:
    void headersArrived();
    void networkError();
    void bodyComplete();
    bool readChunks();
    void fetchSignature();
    void signatureArrived();
    void launch();
    // Reports through ReportError (number, description) and cleans up.
    void fail(long number, const QString& description);
    // The file is not the maker's: tells the player, cleans up.
    void refuse();

    QNetworkAccessManager* m_inet;
    QString m_address;
    QPointer<QNetworkReply> m_reply;
    QPointer<QNetworkReply> m_signature;
    std::unique_ptr<UpdateTarget> m_target;
    std::int32_t m_total = 0;
    std::int32_t m_received = 0;
    bool m_headersSeen = false;
    bool m_running = false;
};
