#include "campaign/TradeScrollBar.h"

#include "shell/Look.h"

#include <QMouseEvent>
#include <QPainter>

TradeScrollBar::TradeScrollBar(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Card strip scroll bar"));
}

void TradeScrollBar::setThumbTop(int windowY) {
    m_thumbTop = windowY - y();
    update();
}

QRect TradeScrollBar::thumbRect() const {
    return {2, m_thumbTop, width() - 4, ThumbHeight};
}

void TradeScrollBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect track(width() / 2 - 1, ButtonSize, 2, height() - 2 * ButtonSize);
    p.fillRect(track, Look::FeltLight);
    p.setPen(QPen(Look::Gold, 1));
    p.setBrush(QColor(60, 48, 30));
    p.drawRoundedRect(QRectF(thumbRect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    paintArrow(p, QRect(0, 0, width(), ButtonSize), true);
    paintArrow(p, QRect(0, height() - ButtonSize, width(), ButtonSize), false);
}

void TradeScrollBar::paintArrow(QPainter& p, const QRect& box, bool up) const {
    const QPointF c = QRectF(box).center();
    const double d = up ? -4 : 4;
    p.setPen(Qt::NoPen);
    p.setBrush(Look::Blue);
    p.drawPolygon(QPolygonF({c + QPointF(-6, -d), c + QPointF(6, -d), c + QPointF(0, d)}));
}

void TradeScrollBar::mousePressEvent(QMouseEvent* event) {
    const int y = event->position().toPoint().y();
    if (y < ButtonSize)
        Q_EMIT stepped(-1);
    else if (y >= height() - ButtonSize)
        Q_EMIT stepped(+1);
    else if (event->button() == Qt::LeftButton && thumbRect().contains(event->position().toPoint()))
        m_grab = y - m_thumbTop;
}

void TradeScrollBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_grab >= 0)
        Q_EMIT dragged(this->y() + event->position().toPoint().y(), m_grab);
}

void TradeScrollBar::mouseReleaseEvent(QMouseEvent*) {
    m_grab = -1;
}
