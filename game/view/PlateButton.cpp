#include "view/PlateButton.h"

#include "shell/Look.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor HighlightedText{173, 173, 151};
} // namespace

PlateButton::PlateButton(QWidget* parent, int fontSize) : EnterButton(parent) {
    setFont(Look::DisplayFont(fontSize));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PlateButton::setHighlighted(bool highlighted) {
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void PlateButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
    shade.setColorAt(0.0, m_highlighted ? QColor(14, 12, 10) : QColor(78, 58, 40));
    shade.setColorAt(1.0, m_highlighted ? QColor(30, 26, 22) : QColor(46, 34, 24));
    painter.setBrush(shade);
    painter.setPen(m_highlighted ? Look::Gray.darker(150) : Look::Gold.darker(140));
    painter.drawRoundedRect(plate, 4, 4);
    painter.setPen(m_highlighted ? HighlightedText : Look::Gold);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus())
        Look::PaintFocusRing(painter, rect());
}

// Taken here: a move over the button must not also reach the window behind it, which would
// clear the highlight again.
void PlateButton::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved();
    EnterButton::mouseMoveEvent(event);
    event->accept();
}

void PlateButton::enterEvent(QEnterEvent* event) {
    Q_EMIT pointerMoved();
    EnterButton::enterEvent(event);
}
