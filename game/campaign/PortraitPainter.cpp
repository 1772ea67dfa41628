#include "campaign/PortraitPainter.h"

#include "campaign/CampaignBoard.h"
#include "campaign/PortraitHeadwear.h"
#include "shell/Look.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
QColor Shade(const QColor& c, int factor) {
    return factor >= 100 ? c.lighter(factor) : c.darker(10000 / factor);
}
} // namespace

QImage PortraitPainter::ForLevel(int level, QSize size) {
    const PortraitLook* look = PortraitLook::of(CampaignBoard::PortraitOf(level));
    return look ? Paint(*look, size) : QImage();
}

QImage PortraitPainter::Paint(const PortraitLook& look, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size.width()) / Width, double(size.height()) / Height);
    paintBackdrop(p, look);
    PortraitHeadwear::PaintBehind(p, look);
    paintBody(p, look);
    paintEars(p, look);
    paintHead(p, look);
    paintEyes(p, look);
    paintMouth(p, look);
    PortraitHeadwear::PaintOver(p, look);
    paintFrame(p, look);
    return image;
}

// A dark, warm room with the glow of the home planet rising behind the figure.
void PortraitPainter::paintBackdrop(QPainter& p, const PortraitLook& look) {
    QLinearGradient room(0, 0, 0, Height);
    room.setColorAt(0, QColor(28, 20, 18));
    room.setColorAt(1, QColor(10, 8, 8));
    p.fillRect(QRectF(0, 0, Width, Height), room);
    QRadialGradient glow(QPointF(60, 70), 70);
    glow.setColorAt(0, Shade(look.backdrop, 120));
    glow.setColorAt(0.6, Shade(look.backdrop, 50));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, Width, Height), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 210, 60));
    for (const QPointF& star :
         {QPointF(14, 18), QPointF(101, 26), QPointF(92, 10), QPointF(22, 52), QPointF(106, 60)})
        p.drawEllipse(star, 0.9, 0.9);
}

void PortraitPainter::paintBody(QPainter& p, const PortraitLook& look) {
    const double shoulder = look.clothes == PortraitLook::Clothes::Armour ? 6 : 0;
    QPainterPath torso;
    torso.moveTo(4 - shoulder, Height);
    torso.cubicTo(6 - shoulder, 120, 20 - shoulder, 108, 46, 102);
    torso.lineTo(74, 102);
    torso.cubicTo(100 + shoulder, 108, 114 + shoulder, 120, 116 + shoulder, Height);
    torso.closeSubpath();
    QLinearGradient cloth(0, 100, 0, Height);
    cloth.setColorAt(0, Shade(look.cloth, 115));
    cloth.setColorAt(1, Shade(look.cloth, 60));
    p.setPen(QPen(Shade(look.cloth, 50), 1));
    p.setBrush(cloth);
    // The neck first, so that collars can close over it.
    p.save();
    p.setBrush(Shade(look.skin, 80));
    p.drawRect(QRectF(51, 84, 18, 22));
    p.restore();
    p.drawPath(torso);
    paintClothing(p, look);
}

void PortraitPainter::paintClothing(QPainter& p, const PortraitLook& look) {
    using C = PortraitLook::Clothes;
    p.setPen(QPen(look.trim, 2));
    p.setBrush(Qt::NoBrush);
    switch (look.clothes) {
    case C::Jacket: // open lapels over a dark shirt
        p.setBrush(QColor(20, 18, 20));
        p.drawPolygon(QPolygonF({QPointF(50, 103), QPointF(60, 128), QPointF(70, 103)}));
        break;
    case C::Coat: // a high collar standing round the neck
        p.setBrush(Shade(look.cloth, 80));
        p.drawPolygon(
            QPolygonF({QPointF(42, 104), QPointF(46, 88), QPointF(56, 100), QPointF(60, 118)}));
        p.drawPolygon(
            QPolygonF({QPointF(78, 104), QPointF(74, 88), QPointF(64, 100), QPointF(60, 118)}));
        break;
    case C::Robe: // a wide band crossing the chest
        p.drawLine(QPointF(44, 103), QPointF(62, 150));
        p.drawLine(QPointF(76, 103), QPointF(58, 150));
        break;
    case C::Armour: // plates on the shoulders and a rim across the chest
        p.setBrush(Shade(look.cloth, 90));
        p.drawEllipse(QPointF(18, 122), 18, 12);
        p.drawEllipse(QPointF(102, 122), 18, 12);
        p.drawArc(QRectF(30, 110, 60, 30), 200 * 16, 140 * 16);
        break;
    case C::Gown: // bare shoulders and a jewelled neckline
        p.setPen(Qt::NoPen);
        p.setBrush(look.skin);
        p.drawEllipse(QPointF(60, 106), 24, 8);
        p.setPen(QPen(look.trim, 2));
        p.drawArc(QRectF(38, 96, 44, 22), 200 * 16, 140 * 16);
        break;
    case C::Plating: // riveted metal
        p.setPen(QPen(Shade(look.cloth, 60), 1));
        for (double x : {30.0, 60.0, 90.0})
            p.drawLine(QPointF(x, 108), QPointF(x, Height));
        p.setBrush(look.trim);
        for (double x : {22.0, 45.0, 75.0, 98.0})
            p.drawEllipse(QPointF(x, 118), 1.5, 1.5);
        break;
    }
}

void PortraitPainter::paintEars(QPainter& p, const PortraitLook& look) {
    if (look.has(PortraitLook::Hood) || look.has(PortraitLook::Helmet))
        return;
    const QPointF c = HeadCentre();
    const double rx = HeadRadiusX(look);
    p.setPen(QPen(Shade(look.skin, 70), 1));
    p.setBrush(Shade(look.skin, 90));
    for (int side : {-1, 1}) {
        const double x = c.x() + side * rx;
        if (look.has(PortraitLook::PointedEars))
            p.drawPolygon(QPolygonF({QPointF(x, c.y() - 4), QPointF(x + side * 14, c.y() - 16),
                                     QPointF(x, c.y() + 8)}));
        else if (look.has(PortraitLook::BigEars))
            p.drawEllipse(QPointF(x + side * 9, c.y() - 8), 12, 16);
        else
            p.drawEllipse(QPointF(x, c.y() + 2), 5, 8);
    }
}

void PortraitPainter::paintHead(QPainter& p, const PortraitLook& look) {
    const QPointF c = HeadCentre();
    QRadialGradient skin(c + QPointF(-8, -10), 40);
    skin.setColorAt(0, Shade(look.skin, 112));
    skin.setColorAt(0.7, look.skin);
    skin.setColorAt(1, Shade(look.skin, 65));
    p.setPen(QPen(Shade(look.skin, 55), 1));
    p.setBrush(skin);
    p.drawEllipse(c, HeadRadiusX(look), HeadRadiusY(look));
    // The nose: a soft shadow down one side and a line under it.
    p.setPen(QPen(Shade(look.skin, 70), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + 1, c.y() - 2), QPointF(c.x() + 3, c.y() + 10));
    p.drawLine(QPointF(c.x() + 3, c.y() + 10), QPointF(c.x() - 2, c.y() + 11));
}

void PortraitPainter::paintEyes(QPainter& p, const PortraitLook& look) {
    const QPointF c = HeadCentre();
    const double dx = 10 * look.headWidth;
    const double y = c.y() - 4;
    if (look.has(PortraitLook::Visor)) {
        p.setPen(QPen(look.eyes.lighter(150), 1));
        p.setBrush(look.eyes);
        p.drawRoundedRect(QRectF(c.x() - dx - 8, y - 4, 2 * dx + 16, 8), 3, 3);
        return;
    }
    for (int side : {-1, 1}) {
        const QPointF eye(c.x() + side * dx, y);
        p.setPen(QPen(Shade(look.hair, 90), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eye + QPointF(-5, -6 + side), eye + QPointF(5, -6 - side * 0.5));
        if (look.has(PortraitLook::GlowEyes)) {
            QRadialGradient glow(eye, 6);
            glow.setColorAt(0, Qt::white);
            glow.setColorAt(0.3, look.eyes);
            glow.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(eye, 6, 6);
            continue;
        }
        p.setPen(QPen(Shade(look.skin, 50), 0.8));
        p.setBrush(QColor(240, 236, 226));
        p.drawEllipse(eye, 5, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(look.eyes);
        p.drawEllipse(eye, 2.4, 2.4);
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(eye, 1.1, 1.1);
    }
}

void PortraitPainter::paintMouth(QPainter& p, const PortraitLook& look) {
    const QPointF c = HeadCentre();
    const double y = c.y() + 17 * look.headHeight;
    p.setPen(QPen(Shade(look.skin, 55), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (look.smiles)
        p.drawArc(QRectF(c.x() - 7, y - 5, 14, 7), 200 * 16, 140 * 16);
    else
        p.drawLine(QPointF(c.x() - 6, y), QPointF(c.x() + 6, y));
}

// Gold trim round the picture, with the game's blue as an inner line.
void PortraitPainter::paintFrame(QPainter& p, const PortraitLook& look) {
    if (look.has(PortraitLook::Mirror)) {
        // A reflection rather than a person: light falls across it in bands.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(180, 230, 255, 40));
        p.drawPolygon(QPolygonF({QPointF(0, 40), QPointF(50, 0), QPointF(66, 0), QPointF(0, 56)}));
        p.drawPolygon(
            QPolygonF({QPointF(40, 150), QPointF(120, 70), QPointF(120, 80), QPointF(52, 150)}));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Look::Gold, 2));
    p.drawRect(QRectF(1, 1, Width - 2, Height - 2));
    p.setPen(QPen(Look::Blue, 1));
    p.drawRect(QRectF(3.5, 3.5, Width - 7, Height - 7));
}
