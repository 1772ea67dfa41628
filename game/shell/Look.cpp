#include "shell/Look.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>
#include <array>

namespace {

QString& family() {
    static QString f;
    return f;
}

// The top-left piece; the others are its mirror images. Outside the chamfer is magenta (cut
// away), the chamfer itself and the ends of the border lines are gold.
QImage topLeftCorner() {
    constexpr int n = Look::CornerSize;
    QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int d = x + y;
            if (d <= 2)
                image.setPixelColor(x, y, Look::Magenta);
            else if (d <= 4 || (y == 0 && x > 2) || (x == 0 && y > 2))
                image.setPixelColor(x, y, Look::Gold);
        }
    }
    image.setPixelColor(3, 3, Look::Gold.lighter(140));
    return image;
}

const std::array<QPixmap, 4>& corners() {
    static const std::array<QPixmap, 4> pieces = [] {
        const QImage tl = topLeftCorner();
        return std::array<QPixmap, 4>{QPixmap::fromImage(tl.mirrored(true, false)),
                                      QPixmap::fromImage(tl),
                                      QPixmap::fromImage(tl.mirrored(false, true)),
                                      QPixmap::fromImage(tl.mirrored(true, true))};
    }();
    return pieces;
}

} // namespace

QString Look::DisplayFamily() {
    return family();
}

void Look::setDisplayFamily(const QString& f) {
    family() = f;
}

QFont Look::DisplayFont(int pointSize, int weight) {
    QFont font = family().isEmpty() ? QFont() : QFont(family());
    font.setPointSize(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPixmap Look::Corner(int index) {
    return corners().at(static_cast<std::size_t>(index));
}

void Look::PaintFocusRing(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    painter.drawRoundedRect(rect.adjusted(3.5, 3.5, -3.5, -3.5), radius, radius);
    painter.setPen(QPen(Blue, 3.0));
    painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    painter.restore();
}

void Look::PaintWindowFrame(QPainter& painter, const QRect& rect) {
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0.0, FeltLight);
    shade.setColorAt(1.0, Felt);
    painter.fillRect(rect, shade);
    const QColor line = Gold.darker(130);
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, line);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, line);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), line);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), line);
    const int right = rect.right() + 1 - CornerSize;
    const int bottom = rect.bottom() + 1 - CornerSize;
    painter.drawPixmap(right, rect.top(), Corner(0));
    painter.drawPixmap(rect.left(), rect.top(), Corner(1));
    painter.drawPixmap(rect.left(), bottom, Corner(2));
    painter.drawPixmap(right, bottom, Corner(3));
}
