#include "view/CardView.h"

#include "rules/CardFace.h"
#include "shell/CardPainter.h"
#include "shell/Look.h"

#include <QPainter>
#include <array>
#include <optional>

namespace {
// The value window of a card: 32 pixels below its top edge, 19 pixels high.
constexpr QRect TextArea{0, 32, CardPainter::Width, 19};
const QColor TextColour{173, 173, 151};
const QColor BrightText{236, 232, 214};

const QPixmap& facePicture(int face) {
    static std::array<std::optional<QPixmap>, CardPainter::FaceCount> faces;
    auto& picture = faces.at(static_cast<std::size_t>(face));
    if (!picture)
        picture = CardPainter::Face(face);
    return *picture;
}
} // namespace

CardView::CardView(QWidget* parent, bool withCaption)
    : EnterButton(parent), m_withCaption(withCaption) {
    setFont(Look::DisplayFont(12));
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void CardView::setFace(int face) {
    if (face == m_face)
        return;
    m_face = face;
    update();
}

void CardView::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void CardView::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved();
    EnterButton::mouseMoveEvent(event);
}

void CardView::enterEvent(QEnterEvent* event) {
    Q_EMIT pointerMoved();
    EnterButton::enterEvent(event);
}

QSize CardView::sizeHint() const {
    return {CardPainter::Width, CardPainter::Height + (m_withCaption ? CaptionHeight : 0)};
}

// Dimmed cards keep their text, drawn in the quieter label colour, so what is out of play reads
// as such at a glance.
void CardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_face >= 0 && m_face < CardPainter::FaceCount) {
        painter.drawPixmap(0, 0, facePicture(m_face));
        painter.setFont(font());
        painter.setPen(CardFace::isDimmed(m_face) ? TextColour.darker(140) : BrightText);
        painter.drawText(TextArea, Qt::AlignCenter, text());
    }
    if (hasFocus())
        Look::PaintFocusRing(painter, QRectF(0, 0, width(), CardPainter::Height), 6);
    if (m_withCaption) {
        painter.setFont(Look::DisplayFont(9));
        painter.setPen(TextColour);
        painter.drawText(QRect(0, CardPainter::Height, width(), CaptionHeight), Qt::AlignCenter,
                         m_caption);
    }
}
