#include "shell/ctlToolbox.h"

#include "profile/clsLanguage.h"
#include "shell/Look.h"

#include <QPainter>

namespace {
constexpr int Size = 17;
}

ctlToolbox::ctlToolbox(QWidget* parent) : HoverButton(parent) {
    setFixedSize(Size, Size);
    setMinButton(false);
}

void ctlToolbox::setMinButton(bool minButton) {
    m_minButton = minButton;
    // Named in the player's language where it has the word; the minimize symbol's own name is
    // what a screen reader says for the other.
    setText(minButton ? QStringLiteral("\U0001F5D5") : clsLanguage::instance().sClose());
    update();
}

QSize ctlToolbox::sizeHint() const {
    return {Size, Size};
}

void ctlToolbox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = isHovered() ? Look::Hover : Look::Blue;
    painter.setPen(QPen(colour.darker(isHovered() ? 100 : 140), 1.0));
    painter.setBrush(QColor(0, 0, 0, isHovered() ? 140 : 90));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
    const QRectF glyph = QRectF(rect()).adjusted(5, 5, -5, -5);
    if (m_minButton) {
        painter.drawLine(glyph.bottomLeft(), glyph.bottomRight());
        paintFocus(painter);
        return;
    }
    painter.drawLine(glyph.topLeft(), glyph.bottomRight());
    painter.drawLine(glyph.topRight(), glyph.bottomLeft());
    paintFocus(painter);
}

// The buttons are small: the ring goes round them, over the caption bar, where it shows.
void ctlToolbox::paintFocus(QPainter& painter) const {
    if (hasFocus())
        Look::PaintFocusRing(painter, rect(), 3);
}
