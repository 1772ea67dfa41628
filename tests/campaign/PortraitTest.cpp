#include "campaign/PortraitPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <map>

namespace {
const QSize Size(PortraitPainter::Width, PortraitPainter::Height);
const int DrawnLevels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 27};

// Set QB_PORTRAIT_DIR to look at them: every portrait is saved there as level-<n>.png.
void SaveForViewing(int level, const QImage& image) {
    const QByteArray dir = qgetenv("QB_PORTRAIT_DIR");
    if (!dir.isEmpty())
        image.save(
            QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("level-%1.png").arg(level)));
}

TEST(PortraitTest, EveryOpponentHasAFaceOfItsOwn) {
    int argc = 0;
    QGuiApplication app(argc, nullptr);
    std::map<int, QImage> portraits;
    for (int level : DrawnLevels) {
        const QImage image = PortraitPainter::ForLevel(level, Size);
        ASSERT_FALSE(image.isNull()) << level;
        SaveForViewing(level, image);
        for (const auto& [other, seen] : portraits)
            EXPECT_NE(image, seen) << "levels " << level << " and " << other << " look alike";
        portraits[level] = image;
    }
}

TEST(PortraitTest, ReturningOpponentsShowTheirFirstPortrait) {
    int argc = 0;
    QGuiApplication app(argc, nullptr);
    const std::pair<int, int> returns[] = {{16, 6},  {23, 6},  {17, 9}, {24, 9},
                                           {18, 11}, {25, 11}, {26, 19}};
    for (const auto& [level, first] : returns)
        EXPECT_EQ(PortraitPainter::ForLevel(level, Size), PortraitPainter::ForLevel(first, Size))
            << level;
    EXPECT_TRUE(PortraitPainter::ForLevel(0, Size).isNull());
    EXPECT_TRUE(PortraitPainter::ForLevel(28, Size).isNull());
}
} // namespace
