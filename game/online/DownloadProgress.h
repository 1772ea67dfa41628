#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

// The numbers the update window shows while it downloads. A megabyte is 1024 × 1024 bytes;
// texts use the player's decimal separator.
namespace DownloadProgress {

inline constexpr double BytesPerMegabyte = 1024.0 * 1024.0;

// Received megabytes with exactly two decimals ("0,00", "2,50").
QString ReceivedText(std::int64_t bytes, const QLocale& locale = QLocale::system());
// The total in megabytes to two decimals, in its shortest form ("2,5", "3", "0,01").
QString TotalText(std::int64_t bytes, const QLocale& locale = QLocale::system());
// How many of barWidth pixels are filled, to the nearest pixel.
int BarWidth(std::int64_t received, std::int64_t total, int barWidth);

} // namespace DownloadProgress
