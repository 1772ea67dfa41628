#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRectF>

class QPainter;

// Draws the thirteen card faces: 0 plus (blue), 1 minus (red), 2 flip with plus up, 3 flip with
// minus up, 4 special (yellow), 5 main deck (green), 6..11 the dimmed versions of 0..5 and 12 the
// back. Every face is 82 x 102 with a transparent outline; the middle is left dark for the card's
// text, which the table writes on top. A scale above 1 paints the same face with that many device
// pixels per pixel, sharp at any size (high-density screens, the program's icons).
class CardPainter {
public:
    static constexpr int Width = 82;
    static constexpr int Height = 102;
    static constexpr int FaceCount = 13;
    static constexpr int DimmedOffset = 6;
    // The dark window in the middle of a front, where the card's text goes.
    static constexpr QRectF ValueWindow{13, 27, Width - 26, 40};

    static QPixmap Face(int face, qreal scale = 1.0);

private:
    static QImage paintFace(int face, qreal scale);
    static QImage blankCard(qreal scale);
    static QImage paintFront(const QColor& top, const QColor& bottom, bool split, int emblem,
                             qreal scale);
    static QImage paintBack(qreal scale);
    static QImage dimmed(const QImage& image);
    static void beginCard(QPainter& painter);
    static void paintPanel(QPainter& painter, const QColor& top, const QColor& bottom, bool split);
    static void paintValueWindow(QPainter& painter);
    static void paintEmblems(QPainter& painter, int emblem, const QColor& colour);
    static void paintGloss(QPainter& painter);
};
