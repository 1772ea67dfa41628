#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

// The game's colours, fonts and the small pieces of chrome every window shares: a dark, warm
// table-room look with blue text and gold trim. Magenta marks the pixels that are cut out of a
// window's outline.
namespace Look {

inline const QColor Magenta{255, 0, 255};
inline const QColor Blue{0, 166, 247};
inline const QColor Gold{197, 160, 49};
inline const QColor Hover{185, 212, 1};
inline const QColor Gray{128, 128, 128};
inline const QColor Felt{34, 26, 22};
inline const QColor FeltLight{62, 46, 36};

// The family of the program's own font, or the platform's default before it is loaded.
QString DisplayFamily();
void setDisplayFamily(const QString& family);
QFont DisplayFont(int pointSize, int weight = QFont::Bold);

// A corner piece of a secondary window: 0 top right, 1 top left, 2 bottom left, 3 bottom right.
// Its outer pixels are magenta, which chamfers the window's outline.
QPixmap Corner(int index);
inline constexpr int CornerSize = 7;

// The background of a secondary window: warm dark panel, one-pixel border lines along the edges
// and the four corner pieces.
void PaintWindowFrame(QPainter& painter, const QRect& rect);

// The keyboard focus: a bright blue ring, three pixels wide, just inside rect, so that it reads
// on gold trim, dark felt and card faces alike.
void PaintFocusRing(QPainter& painter, const QRectF& rect, qreal radius = 4);

} // namespace Look
