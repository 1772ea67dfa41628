#include "IconPainter.h"

#include "rules/CardFace.h"
#include "shell/CardPainter.h"
#include "shell/Look.h"

#include <QPainter>
#include <algorithm>

namespace {

// The icons are designed on a canvas of this many pixels a side.
constexpr double Canvas = 256.0;
// The cards turn about a point this far below the canvas's centre, as a hand of cards does.
constexpr double PivotBelow = 150.0;
// Below this size a fan is a blur of colours, so the icon shows its front card alone.
constexpr int SmallestFan = 32;
// Below this size the count on the front card is no longer readable.
constexpr int SmallestCount = 48;
constexpr double SingleCardScale = 2.4;

using CardFace::Back;
using CardFace::MainDeck;
using CardFace::Minus;
using CardFace::Plus;

} // namespace

QImage IconPainter::Game(int size) {
    if (size < SmallestFan)
        return paint(size, {{{Plus, 0.0}}, SingleCardScale, false});
    return paint(size,
                 {{{MainDeck, -15.0}, {Minus, 0.0}, {Plus, 15.0}}, 1.55, size >= SmallestCount});
}

QImage IconPainter::Utility(int size) {
    if (size < SmallestFan)
        return paint(size, {{{Back, 0.0}}, SingleCardScale, false});
    return paint(size, {{{Plus, -14.0}, {Back, 8.0}}, 1.6, false});
}

// Small icons are painted on the whole canvas and scaled down by averaging, which keeps the cards'
// rims and colours where a painter working in a few pixels would lose them.
QImage IconPainter::paint(int size, const Hand& hand) {
    const int painted = std::max(size, static_cast<int>(Canvas));
    const QImage image = paintHand(painted, hand);
    return painted == size
               ? image
               : image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Each card is drawn in the card painter's own pixels, turned about the hand's pivot; its face is
// painted at the image's resolution.
QImage IconPainter::paintHand(int size, const Hand& hand) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double canvasScale = size / Canvas;
    for (const Card& card : hand.cards) {
        painter.resetTransform();
        painter.scale(canvasScale, canvasScale);
        painter.translate(Canvas / 2.0, Canvas / 2.0 + PivotBelow);
        painter.rotate(card.angle);
        painter.translate(0, -PivotBelow);
        painter.scale(hand.cardScale, hand.cardScale);
        painter.translate(-CardPainter::Width / 2.0, -CardPainter::Height / 2.0);
        painter.drawPixmap(0, 0, CardPainter::Face(card.face, canvasScale * hand.cardScale));
    }
    if (hand.countOnFront)
        paintCount(painter);
    return image;
}

// "20" in the front card's value window, in the game's font and blue.
void IconPainter::paintCount(QPainter& painter) {
    QFont font = Look::DisplayFont(1);
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(Look::Blue);
    painter.drawText(CardPainter::ValueWindow, Qt::AlignCenter, QStringLiteral("20"));
}
