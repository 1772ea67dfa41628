// Answers of any content from the master server, read by the game: the body of the statistics,
// account and update answers, and the download's announced size (the input's first line as the
// "Content-Length" value, fed on into the progress display). Each answer leads to one of its
// documented outcomes; nothing indexes out of range or overflows.
#include "online/BlockingHttp.h"
#include "online/DownloadProgress.h"
#include "online/UpdateDownload.h"
#include "online/modOnline.h"
#include "profile/clsLanguage.h"

#include <QLocale>
#include <cstdlib>

namespace {
// The update window's progress bar, in pixels.
constexpr int BarPixels = 497;

void require(bool condition) {
    if (!condition)
        std::abort();
}

void prepareTexts() {
    clsLanguage& t = clsLanguage::instance();
    t.setText(clsLanguage::StatsUploadError_, QStringLiteral("Upload failed."));
    t.setText(clsLanguage::SckError_, QStringLiteral("Error"));
    t.setText(clsLanguage::TooOldVersion_, QStringLiteral("Too old."));
}

void checkStatsAnswer(const QString& answer) {
    const std::optional<QString> message = modOnline::StatsAnswerMessage(answer);
    require(message.has_value() == (answer != QStringLiteral("1")));
    if (!message || answer == QStringLiteral("5"))
        return;
    require(message->endsWith(u' ' + answer) || message->endsWith(QStringLiteral(" Error 0")));
    require(message->size() <= 64);
}

void checkUpdateAnswer(const QString& answer) {
    const QString result = modOnline::UpdateCheckResult(answer);
    if (result == modOnline::NoUpdate || result == modOnline::UpdateCheckError)
        return;
    require(answer.startsWith(QStringLiteral("newver")) && answer.mid(6) == result);
}

void checkAnnouncedSize(const QByteArray& header, qint64 received) {
    const std::optional<std::int32_t> total = UpdateDownload::AnnouncedSize(header);
    if (!total)
        return;
    require(*total >= 0);
    const QLocale locale(QLocale::German);
    require(!DownloadProgress::TotalText(*total, locale).isEmpty());
    require(!DownloadProgress::ReceivedText(*total, locale).isEmpty());
    if (received <= *total) {
        const int width = DownloadProgress::BarWidth(received, *total, BarPixels);
        require(width >= 0 && width <= BarPixels);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = (prepareTexts(), true);
    (void)prepared;
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString answer = BlockingHttp::AnswerText(body);
    require(answer.size() == body.size());
    checkStatsAnswer(answer);
    checkUpdateAnswer(answer);
    const qsizetype lineEnd = body.indexOf('\n');
    checkAnnouncedSize(lineEnd < 0 ? body : body.left(lineEnd), body.size());
    return 0;
}
