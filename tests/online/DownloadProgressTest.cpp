#include "online/DownloadProgress.h"
#include "online/ProgressBar.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace DownloadProgress;

const QLocale German(QLocale::German, QLocale::Germany);
const QLocale English(QLocale::English, QLocale::UnitedStates);
constexpr std::int64_t MB = 1024 * 1024;

TEST(DownloadProgressTest, MegabyteTextsUseThePlayersSeparator) {
    const std::vector<std::tuple<std::int64_t, QString, QString, QString>> cases{
        // bytes, received (German), received (English), total (German)
        {0, QStringLiteral("0,00"), QStringLiteral("0.00"), QStringLiteral("0")},
        {1, QStringLiteral("0,00"), QStringLiteral("0.00"), QStringLiteral("0")},
        {5243, QStringLiteral("0,01"), QStringLiteral("0.01"), QStringLiteral("0,01")},
        {MB * 5 / 2, QStringLiteral("2,50"), QStringLiteral("2.50"), QStringLiteral("2,5")},
        {3 * MB, QStringLiteral("3,00"), QStringLiteral("3.00"), QStringLiteral("3")},
        {10 * MB - 1, QStringLiteral("10,00"), QStringLiteral("10.00"), QStringLiteral("10")},
        {123 * MB + MB / 4, QStringLiteral("123,25"), QStringLiteral("123.25"),
         QStringLiteral("123,25")},
        {2147483647, QStringLiteral("2048,00"), QStringLiteral("2048.00"), QStringLiteral("2048")},
    };
    for (const auto& [bytes, german, english, total] : cases) {
        EXPECT_EQ(ReceivedText(bytes, German), german) << bytes;
        EXPECT_EQ(ReceivedText(bytes, English), english) << bytes;
        EXPECT_EQ(TotalText(bytes, German), total) << bytes;
    }
    EXPECT_EQ(TotalText(MB * 5 / 2, English), QStringLiteral("2.5"));
}

TEST(DownloadProgressTest, TheBarFillsToTheNearestPixel) {
    EXPECT_EQ(BarWidth(0, 1000, 497), 0);
    EXPECT_EQ(BarWidth(1, 1000, 497), 0);
    EXPECT_EQ(BarWidth(2, 1000, 497), 1);
    EXPECT_EQ(BarWidth(500, 1000, 497), 249);
    EXPECT_EQ(BarWidth(1000, 1000, 497), 497);
    EXPECT_EQ(BarWidth(5, 0, 497), 0);
}

// Ten megabytes in chunks of 1024 bytes: the counter shows each hundredth of a megabyte once,
// the bar each of its 497 widths once.
TEST(DownloadProgressTest, TenMegabytesChangeTheTextAThousandTimesAndTheBarForEachPixel) {
    constexpr std::int64_t total = 10 * MB;
    std::set<QString> texts;
    int textChanges = 0;
    int widthChanges = 0;
    QString text = ReceivedText(0, English);
    int width = 0;
    for (std::int64_t received = 1024; received <= total; received += 1024) {
        const QString nextText = ReceivedText(received, English);
        const int nextWidth = BarWidth(received, total, ProgressBar::BarWidth);
        textChanges += nextText != text;
        widthChanges += nextWidth != width;
        text = nextText;
        width = nextWidth;
    }
    EXPECT_EQ(textChanges, 1000);
    EXPECT_EQ(widthChanges, ProgressBar::BarWidth);
    EXPECT_EQ(text, QStringLiteral("10.00"));
}

} // namespace
