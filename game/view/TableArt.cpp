#include "view/TableArt.h"

#include "shell/CardPainter.h"
#include "shell/Look.h"
#include "view/TableLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Wood{74, 44, 26};
const QColor WoodDark{38, 22, 12};
const QColor FeltCentre{22, 78, 58};
const QColor FeltEdge{8, 38, 28};
constexpr int Rim = 24;

void paintRim(QPainter& p, const QRect& r) {
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0.0, Wood);
    wood.setColorAt(0.5, WoodDark);
    wood.setColorAt(1.0, Wood);
    p.fillRect(r, wood);
    p.setPen(QPen(Look::Gold.darker(120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

void paintFelt(QPainter& p, const QRect& r) {
    QRadialGradient felt(r.center(), r.width() * 0.65);
    felt.setColorAt(0.0, FeltCentre);
    felt.setColorAt(1.0, FeltEdge);
    p.setBrush(felt);
    p.setPen(QPen(Look::Gold.darker(150), 2));
    p.drawRoundedRect(r, 18, 18);
}

// A faint outline where a card can lie.
void paintPlace(QPainter& p, QPoint at) {
    p.setPen(QPen(QColor(255, 255, 255, 34), 1, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(at, QSizeF(CardPainter::Width, CardPainter::Height)), 7, 7);
}

void paintSockets(QPainter& p) {
    p.setPen(QPen(Look::Gold.darker(160), 2));
    p.setBrush(QColor(0, 0, 0, 90));
    for (const QPoint& light : TableLayout::Lights)
        p.drawEllipse(QRect(light, QSize(TableLayout::LightSize, TableLayout::LightSize)));
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    for (const int left : TableLayout::MarkerLefts)
        for (const int top : TableLayout::MarkerTops)
            p.drawRoundedRect(QRect(QPoint(left, top), TableLayout::MarkerSize), 4, 4);
}

void paintPlaces(QPainter& p) {
    for (int slot = 0; slot < 22; ++slot)
        paintPlace(p, TableLayout::SlotPosition(slot));
    for (const int left : TableLayout::OpponentHandLefts)
        paintPlace(p, {left, TableLayout::HandTop});
    // The line between the two sides of the table.
    p.setPen(QPen(Look::Gold.darker(170), 1));
    p.drawLine(512, 120, 512, 450);
}

} // namespace

void TableArt::MarkCardPlaces(QPixmap& picture, const QList<QPoint>& places) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPoint& place : places)
        paintPlace(p, place);
}

QPixmap TableArt::Table(QSize size, bool chatStrip) {
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintRim(p, picture.rect());
    const int feltBottom = TableLayout::Height - Rim;
    paintFelt(p, QRect(Rim, Rim + 36, size.width() - 2 * Rim, feltBottom - Rim - 36));
    paintPlaces(p);
    paintSockets(p);
    if (chatStrip) {
        p.setPen(QPen(Look::Gold.darker(150), 1));
        p.setBrush(QColor(10, 8, 6, 200));
        p.drawRect(QRect(Rim, TableLayout::Height, size.width() - 2 * Rim,
                         size.height() - TableLayout::Height - Rim));
    }
    p.setFont(Look::DisplayFont(16));
    p.setPen(Look::Gold);
    p.drawText(QRect(0, 24, size.width(), 32), Qt::AlignCenter, QStringLiteral("Quelta Brovel"));
    return picture;
}

QPixmap TableArt::Panel(QSize size) {
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintRim(p, picture.rect());
    paintFelt(p, picture.rect().adjusted(12, 12, -12, -12));
    return picture;
}

QPixmap TableArt::TurnLight() {
    QPixmap picture(TableLayout::LightSize, TableLayout::LightSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(22, 20), 28);
    glow.setColorAt(0.0, QColor(255, 210, 190));
    glow.setColorAt(0.35, QColor(240, 40, 24));
    glow.setColorAt(1.0, QColor(90, 0, 0));
    p.setBrush(glow);
    p.setPen(QPen(QColor(60, 0, 0), 2));
    p.drawEllipse(QRectF(2, 2, TableLayout::LightSize - 4, TableLayout::LightSize - 4));
    return picture;
}

QPixmap TableArt::WinMarker() {
    const QSize size = TableLayout::MarkerSize;
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath crest;
    crest.moveTo(2, 2);
    crest.lineTo(size.width() - 2, 2);
    crest.lineTo(size.width() - 2, 16);
    crest.lineTo(size.width() / 2.0, size.height() - 2);
    crest.lineTo(2, 16);
    crest.closeSubpath();
    QLinearGradient gold(0, 0, 0, size.height());
    gold.setColorAt(0.0, Look::Gold.lighter(150));
    gold.setColorAt(1.0, Look::Gold.darker(130));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 64, 20), 1.5));
    p.drawPath(crest);
    return picture;
}
