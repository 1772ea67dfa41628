#include "CardRow.h"

#include "shell/CardPainter.h"

#include <QFont>
#include <QPainter>

namespace {
// The value window of a card face: 32 pixels below its top edge, 19 pixels high.
constexpr QRect ValueWindow{0, 32, CardPainter::Width, 19};
const QColor BrightText{236, 232, 214};
const QColor DimmedText{124, 124, 108};
constexpr int TextPointSize = 12;
} // namespace

QImage CardRow::Paint(const QVector<Card>& cards) const {
    const int count = static_cast<int>(cards.size());
    QImage image(count * CardPainter::Width + (count - 1) * Gap, CardPainter::Height,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(m_fontFamily);
    font.setPixelSize(TextPointSize * 4 / 3);
    font.setBold(true);
    painter.setFont(font);
    int left = 0;
    for (const Card& card : cards) {
        painter.drawPixmap(left, 0, CardPainter::Face(card.face));
        const bool dimmed =
            card.face >= CardPainter::DimmedOffset && card.face < CardPainter::FaceCount - 1;
        painter.setPen(dimmed ? DimmedText : BrightText);
        painter.drawText(ValueWindow.translated(left, 0), Qt::AlignCenter, card.text);
        left += CardPainter::Width + Gap;
    }
    return image;
}
