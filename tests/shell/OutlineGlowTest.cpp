#include "shell/OutlineGlow.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Glow(0, 166, 247, 28);
const QColor Ground(58, 36, 25);

// The glow as round pens draw it: one stroke per layer, each twice as wide as its reach.
QImage stroked(const QPainterPath& shape, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const int reach : {6, 4, 2}) {
        painter.setPen(QPen(Glow, reach * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shape);
    }
    return image;
}

QImage fromField(const QPainterPath& shape, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Ground);
    const QImage glow = OutlineGlow::Paint(shape, Glow, {6, 4, 2});
    QPainter(&image).drawImage(glow.offset(), glow);
    return image;
}

// Only what lies outside the shape counts: inside, the shape is painted over the glow.
int largestDifferenceOutside(const QImage& a, const QImage& b, const QPainterPath& shape) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (shape.intersects(QRectF(x - 1.0, y - 1.0, 3.0, 3.0)))
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QPainterPath ring() {
    QPainterPath path;
    path.addEllipse(QPointF(40, 40), 24, 24);
    path.addEllipse(QPointF(40, 40), 12, 12); // a hole the glow reaches into from all sides
    return path;
}

QPainterPath bar() {
    QPainterPath path;
    path.addRect(20, 30, 50, 8);
    return path;
}

QPainterPath letters() {
    QPainterPath path;
    QFont font;
    font.setPixelSize(40);
    font.setBold(true);
    path.addText(12, 56, font, QStringLiteral("Qe"));
    return path;
}

} // namespace

// The glow stands in for the strokes on the menu's logo, so it must look like them: a pixel
// differs by no more than a few steps of colour, and only at the layers' soft edges.
TEST(OutlineGlow, LooksLikeRoundPensAlongTheOutline) {
    int argc = 1;
    char name[] = "outline_glow_test";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const struct {
        const char* shape;
        QPainterPath path;
    } cases[] = {{"ring", ring()}, {"bar", bar()}, {"letters", letters()}};
    for (const auto& c : cases) {
        const QSize size(96, 80);
        EXPECT_LE(largestDifferenceOutside(stroked(c.path, size), fromField(c.path, size), c.path),
                  20)
            << c.shape;
    }
}
