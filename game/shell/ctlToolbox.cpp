#include "shell/ctlToolbox.h"

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
    setText(minButton ? QStringLiteral("Minimize") : QStringLiteral("Close"));
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
        return;
    }
    painter.drawLine(glyph.topLeft(), glyph.bottomRight());
    painter.drawLine(glyph.topRight(), glyph.bottomLeft());
}
