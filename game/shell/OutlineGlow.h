#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <initializer_list>
#include <vector>

// A glow around a shape: layers of one translucent colour, each reaching a given number of pixels
// beyond the outline, as a round pen twice as wide drawn along it would. The layers come from the
// shape's distance field, one pass over its pixels, instead of stroking every curve of the outline
// once per layer, which took most of the time the menu needs for its first picture.
class OutlineGlow {
public:
    // The glow as an image whose offset() is where it lies; inside the shape it is at its
    // strongest, so the shape painted over it hides nothing of it.
    static QImage Paint(const QPainterPath& shape, const QColor& colour,
                        std::initializer_list<double> reaches);

private:
    // The shape's antialiased coverage in this box.
    static QImage coverage(const QPainterPath& shape, const QRect& box);
    // Squared distances from each pixel to the nearest pixel inside the shape, row by row.
    static std::vector<double> squaredDistances(const QImage& mask);
    // The exact distance transform along one line: values become the squared distance to the
    // nearest sample, each sample weighted by its value.
    static void lowerEnvelope(std::vector<double>& values);
};
