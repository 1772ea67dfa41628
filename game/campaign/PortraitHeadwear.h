#pragma once

#include "campaign/PortraitCast.h"

class QPainter;

// Hair, beards and everything a portrait's character wears on or about the head. What falls
// behind the head (long hair, a hood's back) is drawn before the face, the rest over it.
class PortraitHeadwear {
public:
    static void PaintBehind(QPainter& p, const PortraitLook& look);
    static void PaintOver(QPainter& p, const PortraitLook& look);

private:
    static void paintHair(QPainter& p, const PortraitLook& look);
    static void paintFacialHair(QPainter& p, const PortraitLook& look);
    static void paintMarks(QPainter& p, const PortraitLook& look);
    static void paintHeadgear(QPainter& p, const PortraitLook& look);
    static void paintHood(QPainter& p, const PortraitLook& look);
    static void paintJewels(QPainter& p, const PortraitLook& look);
};
