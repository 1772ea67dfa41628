#include "campaign/PortraitHeadwear.h"

#include "campaign/PortraitPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {
using L = PortraitLook;
using H = PortraitLook::Hair;

struct Head {
    double x, y, rx, ry;
    explicit Head(const L& look)
        : x(PortraitPainter::HeadCentre().x()), y(PortraitPainter::HeadCentre().y()),
          rx(PortraitPainter::HeadRadiusX(look)), ry(PortraitPainter::HeadRadiusY(look)) {}
    double top() const { return y - ry; }
};

const QColor GoldTrim{197, 160, 49};

void Outline(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(fill);
}
} // namespace

void PortraitHeadwear::PaintBehind(QPainter& p, const L& look) {
    const Head h(look);
    if (look.has(L::Hood)) {
        Outline(p, look.cloth);
        p.drawEllipse(QPointF(h.x, h.y + 2), h.rx + 12, h.ry + 12);
    }
    Outline(p, look.hair);
    if (look.hairStyle == H::Long)
        p.drawRoundedRect(QRectF(h.x - h.rx - 6, h.y - 10, 2 * h.rx + 12, 62), 12, 12);
    if (look.hairStyle == H::Tails) {
        // Two heavy head-tails falling over the shoulders.
        for (int side : {-1, 1}) {
            QPainterPath tail;
            tail.moveTo(h.x + side * (h.rx - 6), h.top() + 8);
            tail.cubicTo(h.x + side * (h.rx + 16), h.y, h.x + side * (h.rx + 10), h.y + 40,
                         h.x + side * (h.rx + 2), h.y + 62);
            tail.lineTo(h.x + side * (h.rx - 8), h.y + 58);
            tail.cubicTo(h.x + side * h.rx, h.y + 30, h.x + side * h.rx, h.y, h.x, h.top() + 4);
            p.drawPath(tail);
        }
    }
}

void PortraitHeadwear::PaintOver(QPainter& p, const L& look) {
    paintHair(p, look);
    paintFacialHair(p, look);
    paintMarks(p, look);
    paintHood(p, look);
    paintHeadgear(p, look);
    paintJewels(p, look);
}

void PortraitHeadwear::paintHair(QPainter& p, const L& look) {
    if (look.has(L::Hood) || look.has(L::Helmet) || look.hairStyle == H::None)
        return;
    const Head h(look);
    Outline(p, look.hair);
    const QRectF cap(h.x - h.rx - 1, h.top() - 3, 2 * h.rx + 2, h.ry * 1.1);
    switch (look.hairStyle) {
    case H::Crest: // a swept crest standing up from the crown
        p.drawPolygon(QPolygonF({QPointF(h.x - 10, h.top() + 6), QPointF(h.x - 2, h.top() - 18),
                                 QPointF(h.x + 14, h.top() - 12), QPointF(h.x + 8, h.top() + 8)}));
        p.drawChord(cap, 20 * 16, 140 * 16);
        break;
    case H::Topknot:
        p.drawEllipse(QPointF(h.x, h.top() - 6), 8, 7);
        p.drawChord(cap, 0, 180 * 16);
        break;
    case H::Slick: // combed flat and back, parted high
        p.drawChord(cap, 10 * 16, 160 * 16);
        p.setPen(QPen(look.hair.lighter(160), 1));
        p.drawArc(cap.adjusted(8, 4, -8, 0), 40 * 16, 100 * 16);
        break;
    case H::Wavy:
        p.drawChord(cap, 0, 180 * 16);
        for (double dx : {-14.0, -4.0, 6.0, 16.0})
            p.drawEllipse(QPointF(h.x + dx, h.top() + 10), 7, 6);
        break;
    case H::Fringe: // untidy, falling over the brow
        p.drawChord(cap, 0, 180 * 16);
        p.drawPolygon(QPolygonF({QPointF(h.x - h.rx, h.top() + 14), QPointF(h.x - 6, h.top() + 24),
                                 QPointF(h.x + 2, h.top() + 16), QPointF(h.x + 10, h.top() + 22),
                                 QPointF(h.x + h.rx, h.top() + 12)}));
        break;
    default: // short, long and tails share a cap over the crown
        p.drawChord(cap, 0, 180 * 16);
        break;
    }
}

void PortraitHeadwear::paintFacialHair(QPainter& p, const L& look) {
    const Head h(look);
    if (look.has(L::Beard)) {
        Outline(p, look.hair);
        QPainterPath beard;
        beard.moveTo(h.x - h.rx + 2, h.y + 2);
        beard.cubicTo(h.x - h.rx, h.y + h.ry + 14, h.x + h.rx, h.y + h.ry + 14, h.x + h.rx - 2,
                      h.y + 2);
        beard.cubicTo(h.x + 10, h.y + 24, h.x - 10, h.y + 24, h.x - h.rx + 2, h.y + 2);
        p.drawPath(beard);
    }
    if (look.has(L::Moustache)) {
        Outline(p, look.hair);
        const double y = h.y + 13 * look.headHeight;
        p.drawPolygon(
            QPolygonF({QPointF(h.x - 12, y + 4), QPointF(h.x - 4, y - 1), QPointF(h.x, y + 1),
                       QPointF(h.x + 4, y - 1), QPointF(h.x + 12, y + 4), QPointF(h.x, y + 3)}));
    }
}

void PortraitHeadwear::paintMarks(QPainter& p, const L& look) {
    const Head h(look);
    if (look.has(L::Scar)) {
        p.setPen(QPen(QColor(150, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(h.x - 16, h.y - 16), QPointF(h.x - 6, h.y + 6));
    }
    if (look.has(L::Ridges)) {
        p.setPen(QPen(look.skin.darker(150), 1.5));
        for (int i = 0; i < 4; ++i)
            p.drawArc(QRectF(h.x - 16 + 2 * i, h.top() + 4 + 4 * i, 32 - 4 * i, 10), 20 * 16,
                      140 * 16);
        Outline(p, look.hair);
        p.drawPolygon(QPolygonF({QPointF(h.x - 5, h.top() + 2), QPointF(h.x, h.top() - 12),
                                 QPointF(h.x + 5, h.top() + 2)}));
    }
    if (look.has(L::Monocle)) {
        p.setPen(QPen(GoldTrim, 1.4));
        p.setBrush(QColor(200, 230, 255, 50));
        const QPointF eye(h.x + 10 * look.headWidth, h.y - 4);
        p.drawEllipse(eye, 6.5, 6.5);
        p.drawLine(eye + QPointF(5, 5), QPointF(h.x + h.rx + 4, 104));
    }
}

void PortraitHeadwear::paintHood(QPainter& p, const L& look) {
    if (!look.has(L::Hood))
        return;
    const Head h(look);
    // The cowl's rim frames the face and hides the brow.
    QPainterPath rim;
    rim.addEllipse(QPointF(h.x, h.y + 2), h.rx + 12, h.ry + 12);
    QPainterPath face;
    face.addEllipse(QPointF(h.x, h.y + 8), h.rx - 1, h.ry - 4);
    Outline(p, look.cloth.lighter(120));
    p.drawPath(rim.subtracted(face));
    p.setPen(QPen(look.trim, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(h.x, h.y + 8), h.rx - 1, h.ry - 4);
}

void PortraitHeadwear::paintHeadgear(QPainter& p, const L& look) {
    const Head h(look);
    if (look.has(L::Helmet)) {
        Outline(p, look.cloth);
        p.drawChord(QRectF(h.x - h.rx - 5, h.top() - 6, 2 * h.rx + 10, h.ry * 1.5), 0, 180 * 16);
        p.setBrush(look.trim);
        p.drawRect(QRectF(h.x - h.rx - 5, h.top() + h.ry * 0.7 - 8, 2 * h.rx + 10, 5));
        p.drawRect(QRectF(h.x - h.rx - 6, h.y - 6, 6, 22));
        p.drawRect(QRectF(h.x + h.rx, h.y - 6, 6, 22));
    }
    if (look.has(L::Goggles)) {
        Outline(p, QColor(60, 50, 40));
        p.drawRect(QRectF(h.x - h.rx, h.top() + 12, 2 * h.rx, 4));
        p.setBrush(QColor(120, 200, 220));
        p.setPen(QPen(QColor(150, 120, 60), 2));
        p.drawEllipse(QPointF(h.x - 9, h.top() + 13), 7, 6);
        p.drawEllipse(QPointF(h.x + 9, h.top() + 13), 7, 6);
    }
    if (look.has(L::Horns)) {
        Outline(p, QColor(220, 206, 170));
        for (int side : {-1, 1}) {
            QPainterPath horn;
            horn.moveTo(h.x + side * (h.rx - 10), h.top() + 8);
            horn.quadTo(h.x + side * (h.rx + 14), h.top() - 4, h.x + side * (h.rx + 4),
                        h.top() - 20);
            horn.quadTo(h.x + side * (h.rx + 2), h.top() + 2, h.x + side * (h.rx - 2),
                        h.top() + 14);
            p.drawPath(horn);
        }
    }
    if (look.has(L::Antenna)) {
        p.setPen(QPen(look.skin.darker(140), 2));
        p.drawLine(QPointF(h.x + 8, h.top() + 2), QPointF(h.x + 14, h.top() - 16));
        p.setPen(Qt::NoPen);
        p.setBrush(look.eyes);
        p.drawEllipse(QPointF(h.x + 14, h.top() - 17), 3, 3);
    }
    if (look.has(L::Crown)) {
        Outline(p, GoldTrim);
        const double y = h.top() + 4;
        p.drawPolygon(
            QPolygonF({QPointF(h.x - 18, y), QPointF(h.x - 20, y - 16), QPointF(h.x - 9, y - 7),
                       QPointF(h.x, y - 20), QPointF(h.x + 9, y - 7), QPointF(h.x + 20, y - 16),
                       QPointF(h.x + 18, y)}));
        p.setBrush(QColor(0, 166, 247));
        p.drawEllipse(QPointF(h.x, y - 5), 2.5, 2.5);
    }
}

void PortraitHeadwear::paintJewels(QPainter& p, const L& look) {
    const Head h(look);
    if (look.has(L::Earrings)) {
        Outline(p, GoldTrim);
        p.drawEllipse(QPointF(h.x - h.rx, h.y + 14), 2.5, 2.5);
        p.drawEllipse(QPointF(h.x + h.rx, h.y + 14), 2.5, 2.5);
    }
    if (look.has(L::Chain)) {
        p.setPen(QPen(GoldTrim, 2.2, Qt::DotLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(34, 86, 52, 40), 200 * 16, 140 * 16);
    }
    if (look.has(L::Scarf)) {
        Outline(p, look.trim);
        p.drawRoundedRect(QRectF(46, 94, 28, 10), 4, 4);
        p.drawPolygon(
            QPolygonF({QPointF(64, 102), QPointF(72, 124), QPointF(78, 120), QPointF(70, 101)}));
    }
}
