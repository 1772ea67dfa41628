#include "shell/ctlButton.h"

#include "shell/Look.h"

#include <QPainter>

namespace {
constexpr int CornerSize = 6;
constexpr int CornerThickness = 2;
} // namespace

ctlButton::ctlButton(QWidget* parent) : HoverButton(parent) {
    setFont(Look::DisplayFont(9));
}

void ctlButton::setCaption(const QString& caption) {
    setText(caption);
    update();
}

std::int16_t ctlButton::FontSize() const {
    return static_cast<std::int16_t>(font().pointSize());
}

void ctlButton::setFontSize(std::int16_t size) {
    QFont f = font();
    f.setPointSize(size);
    setFont(f);
}

QColor ctlButton::LookColour() const {
    if (!isEnabled())
        return Look::Gray;
    return isHovered() ? Look::Hover : Look::Blue;
}

QSize ctlButton::sizeHint() const {
    return {118, 22};
}

void ctlButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = LookColour();
    painter.fillRect(rect(), QColor(0, 0, 0, isHovered() ? 110 : 70));
    painter.setPen(colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    paintCorners(painter, colour.lighter(125));
    paintCaption(painter, colour);
    if (hasFocus())
        Look::PaintFocusRing(painter, rect(), 2);
}

// Brackets in each corner; the right and bottom ones sit six pixels inside the edges.
void ctlButton::paintCorners(QPainter& painter, const QColor& colour) const {
    const int right = width() - CornerSize;
    const int bottom = height() - CornerSize;
    for (const QPoint& at :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        const int lineY = at.y() == 0 ? 0 : height() - CornerThickness;
        const int lineX = at.x() == 0 ? 0 : width() - CornerThickness;
        painter.fillRect(at.x(), lineY, CornerSize, CornerThickness, colour);
        painter.fillRect(lineX, at.y(), CornerThickness, CornerSize, colour);
    }
}

// Centred, nudged a few pixels up and left as the caption label always was.
void ctlButton::paintCaption(QPainter& painter, const QColor& colour) const {
    const QFontMetrics metrics(font());
    const int left = (width() - 4 - metrics.horizontalAdvance(text())) / 2;
    const int top = (height() - 2 - metrics.height()) / 2;
    painter.setFont(font());
    painter.setPen(colour);
    painter.drawText(left, top + metrics.ascent(), text());
}
