#include "online/DownloadProgress.h"

#include <cmath>

namespace {

// Hundredths of a megabyte, rounded to the nearest (no size lies exactly half-way).
std::int64_t hundredths(std::int64_t bytes) {
    return std::llround(static_cast<double>(bytes) * 100.0 / DownloadProgress::BytesPerMegabyte);
}

} // namespace

QString DownloadProgress::ReceivedText(std::int64_t bytes, const QLocale& locale) {
    const std::int64_t h = hundredths(bytes);
    return QString::number(h / 100) + locale.decimalPoint() +
           QStringLiteral("%1").arg(h % 100, 2, 10, QLatin1Char('0'));
}

QString DownloadProgress::TotalText(std::int64_t bytes, const QLocale& locale) {
    QString text = ReceivedText(bytes, locale);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(locale.decimalPoint()))
        text.chop(locale.decimalPoint().size());
    return text;
}

int DownloadProgress::BarWidth(std::int64_t received, std::int64_t total, int barWidth) {
    if (total <= 0)
        return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(received) / static_cast<double>(total) * barWidth));
}
