#include "shell/CardPainter.h"

#include "shell/Look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace {

enum Emblem { Plus, Minus, PlusMinus, Star, Pip };

const QColor CardBlue{0, 150, 228};
const QColor CardRed{208, 48, 40};
const QColor CardYellow{232, 188, 44};
const QColor CardGreen{64, 168, 72};
const QColor Rim{42, 30, 22};

constexpr double Radius = 7.0;

QRectF cardRect() {
    return {0.5, 0.5, CardPainter::Width - 1.0, CardPainter::Height - 1.0};
}

QPainterPath roundedCard(double inset) {
    QPainterPath path;
    path.addRoundedRect(cardRect().adjusted(inset, inset, -inset, -inset), Radius - inset,
                        Radius - inset);
    return path;
}

struct FrontStyle {
    QColor top;
    QColor bottom;
    bool split;
    int emblem;
};

const std::array<FrontStyle, 6> Fronts{{
    {CardBlue, CardBlue, false, Plus},
    {CardRed, CardRed, false, Minus},
    {CardBlue, CardRed, true, PlusMinus},
    {CardRed, CardBlue, true, PlusMinus},
    {CardYellow, CardYellow, false, Star},
    {CardGreen, CardGreen, false, Pip},
}};

} // namespace

QPixmap CardPainter::Face(int face, qreal scale) {
    return QPixmap::fromImage(paintFace(face, scale));
}

QImage CardPainter::paintFace(int face, qreal scale) {
    if (face == FaceCount - 1)
        return paintBack(scale);
    const FrontStyle& s = Fronts.at(static_cast<std::size_t>(face % DimmedOffset));
    QImage image = paintFront(s.top, s.bottom, s.split, s.emblem, scale);
    return face >= DimmedOffset ? dimmed(image) : image;
}

// The painters below draw in the card's own 82 x 102 pixels; the image's pixel ratio scales them.
QImage CardPainter::blankCard(qreal scale) {
    QImage image(qRound(Width * scale), qRound(Height * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage CardPainter::paintFront(const QColor& top, const QColor& bottom, bool split, int emblem,
                               qreal scale) {
    QImage image = blankCard(scale);
    QPainter painter(&image);
    beginCard(painter);
    paintPanel(painter, top, bottom, split);
    paintValueWindow(painter);
    paintEmblems(painter, emblem, split ? bottom : top);
    paintGloss(painter);
    return image;
}

void CardPainter::beginCard(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Rim, 1.0));
    QLinearGradient rim(0, 0, 0, Height);
    rim.setColorAt(0.0, Look::Gold.lighter(115));
    rim.setColorAt(1.0, Look::Gold.darker(170));
    painter.setBrush(rim);
    painter.drawPath(roundedCard(0));
}

void CardPainter::paintPanel(QPainter& painter, const QColor& top, const QColor& bottom,
                             bool split) {
    const QPainterPath panel = roundedCard(3);
    const QRectF r = panel.boundingRect();
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0.0, top.lighter(125));
    shade.setColorAt(split ? 0.62 : 0.5, top);
    if (split)
        shade.setColorAt(0.63, bottom.darker(110));
    shade.setColorAt(1.0, (split ? bottom : top).darker(150));
    painter.setPen(QPen(Rim, 1.0));
    painter.setBrush(shade);
    painter.drawPath(panel);
}

void CardPainter::paintValueWindow(QPainter& painter) {
    QLinearGradient inner(ValueWindow.topLeft(), ValueWindow.bottomLeft());
    inner.setColorAt(0.0, QColor(14, 10, 8, 235));
    inner.setColorAt(1.0, QColor(40, 30, 24, 235));
    painter.setPen(QPen(Look::Gold.darker(120), 1.0));
    painter.setBrush(inner);
    painter.drawRoundedRect(ValueWindow, 6, 6);
}

void CardPainter::paintEmblems(QPainter& painter, int emblem, const QColor& colour) {
    painter.setPen(QPen(QColor(255, 255, 255, 225), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(255, 255, 255, 225));
    const std::array<QPointF, 2> centres{QPointF(15, 15), QPointF(Width - 15, Height - 16)};
    for (const QPointF& c : centres) {
        if (emblem == Plus || emblem == PlusMinus)
            painter.drawLine(c + QPointF(0, -4.5), c + QPointF(0, 4.5));
        if (emblem == Plus || emblem == Minus || emblem == PlusMinus)
            painter.drawLine(c + QPointF(-4.5, 0), c + QPointF(4.5, 0));
        if (emblem == Star)
            painter.drawPolygon(QPolygonF{c + QPointF(0, -6), c + QPointF(5, 0), c + QPointF(0, 6),
                                          c + QPointF(-5, 0)});
        if (emblem == Pip)
            painter.drawEllipse(c, 3.5, 3.5);
    }
    if (emblem == PlusMinus) {
        painter.setPen(QPen(colour.lighter(170), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(Width / 2.0 - 5, Height - 16),
                         QPointF(Width / 2.0 + 5, Height - 16));
    }
}

void CardPainter::paintGloss(QPainter& painter) {
    QLinearGradient gloss(0, 0, Width, Height * 0.6);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 10));
    gloss.setColorAt(0.46, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawPath(roundedCard(3));
}

QImage CardPainter::paintBack(qreal scale) {
    QImage image = blankCard(scale);
    QPainter painter(&image);
    beginCard(painter);
    paintPanel(painter, QColor(70, 38, 30), QColor(70, 38, 30), false);
    painter.setClipPath(roundedCard(4));
    painter.setPen(QPen(QColor(197, 160, 49, 90), 1.0));
    for (int d = -Height; d < Width + Height; d += 9) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, Height), QPointF(d + Height, 0));
    }
    QRadialGradient halo(Width / 2.0, Height / 2.0, 22);
    halo.setColorAt(0.0, Look::Blue.lighter(130));
    halo.setColorAt(1.0, Look::Blue.darker(220));
    painter.setPen(QPen(Look::Gold, 2.0));
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(Width / 2.0, Height / 2.0), 18, 24);
    return image;
}

// A dimmed face is the same card faded towards a dark grey, so its family stays recognisable.
QImage CardPainter::dimmed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int grey = qGray(p) / 2;
            line[x] = qRgba((qRed(p) / 2 + grey) / 2, (qGreen(p) / 2 + grey) / 2,
                            (qBlue(p) / 2 + grey) / 2, qAlpha(p));
        }
    }
    return out;
}
