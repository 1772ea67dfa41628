#include "campaign/TradeSlot.h"

#include "rules/CardKind.h"
#include "shell/CardPainter.h"
#include "shell/Look.h"

#include <QPainter>

namespace {
constexpr int CardHeight = 44;
constexpr int CardWidth = CardHeight * CardPainter::Width / CardPainter::Height;
} // namespace

TradeSlot::TradeSlot(QWidget* parent) : EnterButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TradeSlot::setKind(int kind, const QString& caption) {
    m_face = CardKind::Face(kind);
    m_notation = CardKind::ListText(kind);
    setText(caption);
    setAccessibleName(caption);
    update();
}

void TradeSlot::setSelected(bool selected) {
    m_selected = selected;
    update();
}

void TradeSlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int top = (height() - CardHeight) / 2;
    const QRect card(4, top, CardWidth, CardHeight);
    if (m_face >= 0) {
        p.drawPixmap(card, CardPainter::Face(m_face));
        p.setFont(Look::DisplayFont(7));
        p.setPen(Qt::white);
        p.drawText(card, Qt::AlignCenter, m_notation);
    }
    p.setFont(Look::DisplayFont(10));
    p.setPen(m_selected ? Look::Hover : Look::Blue);
    p.drawText(rect().adjusted(CardWidth + 14, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
    if (m_selected) {
        // The selection frame, in the trim of the window.
        p.setPen(QPen(Look::Gold, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
    if (hasFocus())
        Look::PaintFocusRing(p, rect());
}
