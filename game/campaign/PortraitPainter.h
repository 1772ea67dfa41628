#pragma once

#include "campaign/PortraitCast.h"

#include <QImage>
#include <QPointF>

class QPainter;

// Draws an opponent's portrait from its look: the planet's glow behind, shoulders and clothes,
// the head with its face, then hair and whatever the character wears on the head. Everything is
// drawn on a canvas of Width x Height and scaled to the size asked for.
class PortraitPainter {
public:
    static constexpr int Width = 120;
    static constexpr int Height = 150;

    // The portrait of a level as the campaign window shows it (returning opponents keep their
    // first portrait); a null image for a level without one.
    static QImage ForLevel(int level, QSize size);
    static QImage Paint(const PortraitLook& look, QSize size);

    // Where the face sits on the canvas; the headwear is placed from these.
    static QPointF HeadCentre() { return {60.0, 64.0}; }
    static double HeadRadiusX(const PortraitLook& look) { return 23.0 * look.headWidth; }
    static double HeadRadiusY(const PortraitLook& look) { return 29.0 * look.headHeight; }

private:
    static void paintBackdrop(QPainter& p, const PortraitLook& look);
    static void paintBody(QPainter& p, const PortraitLook& look);
    static void paintClothing(QPainter& p, const PortraitLook& look);
    static void paintEars(QPainter& p, const PortraitLook& look);
    static void paintHead(QPainter& p, const PortraitLook& look);
    static void paintEyes(QPainter& p, const PortraitLook& look);
    static void paintMouth(QPainter& p, const PortraitLook& look);
    static void paintFrame(QPainter& p, const PortraitLook& look);
};
