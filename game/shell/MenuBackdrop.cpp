#include "shell/MenuBackdrop.h"

#include "shell/CardPainter.h"
#include "shell/Look.h"
#include "shell/OutlineGlow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace {

constexpr int Chamfer = 22;
constexpr int CrestTop = 0;
constexpr int BodyTop = 16;

// The outline: a chamfered body with a wider crest along the top edge for the logo.
QPolygon outline() {
    const int w = MenuBackdrop::WindowSize.width();
    const int h = MenuBackdrop::WindowSize.height();
    return QPolygon{{QPoint(0, BodyTop + Chamfer), QPoint(Chamfer, BodyTop), QPoint(150, BodyTop),
                     QPoint(170, CrestTop), QPoint(w - 170, CrestTop), QPoint(w - 150, BodyTop),
                     QPoint(w - Chamfer, BodyTop), QPoint(w, BodyTop + Chamfer),
                     QPoint(w, h - Chamfer), QPoint(w - Chamfer, h), QPoint(Chamfer, h),
                     QPoint(0, h - Chamfer)}};
}

QRect feltRect() {
    return {22, 112, MenuBackdrop::WindowSize.width() - 44, 316};
}

} // namespace

QPixmap MenuBackdrop::Paint() {
    QPixmap pixmap(WindowSize);
    pixmap.fill(Look::Magenta);
    QPainter painter(&pixmap);
    paintPanel(painter);
    paintFelt(painter);
    paintLogo(painter);
    paintBrovel(painter);
    return pixmap;
}

// Drawn without antialiasing along the outline, so no pinkish pixels survive the colour key.
void MenuBackdrop::paintPanel(QPainter& painter) {
    QLinearGradient wood(0, 0, 0, WindowSize.height());
    wood.setColorAt(0.0, QColor(92, 58, 38));
    wood.setColorAt(0.5, QColor(58, 36, 25));
    wood.setColorAt(1.0, QColor(36, 22, 16));
    painter.setPen(QPen(Look::Gold, 2.0));
    painter.setBrush(wood);
    painter.drawPolygon(outline());
}

void MenuBackdrop::paintFelt(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect felt = feltRect();
    QRadialGradient light(felt.center() - QPoint(40, 30), felt.width() * 0.7);
    light.setColorAt(0.0, QColor(40, 84, 74));
    light.setColorAt(0.6, QColor(22, 50, 46));
    light.setColorAt(1.0, QColor(10, 24, 24));
    painter.setPen(QPen(Look::Gold.darker(130), 2.0));
    painter.setBrush(light);
    painter.drawRoundedRect(felt, 14, 14);
    painter.setPen(QPen(QColor(197, 160, 49, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(felt.adjusted(6, 6, -6, -6), 10, 10);
}

void MenuBackdrop::paintLogo(QPainter& painter) {
    QFont font = Look::DisplayFont(30);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    const QString logo = QStringLiteral("Quelta Brovel");
    QPainterPath text;
    text.addText(0, 0, font, logo);
    const QRectF bounds = text.boundingRect();
    text.translate(LogoArea.center() - bounds.center());
    const QImage glow = OutlineGlow::Paint(text, QColor(0, 166, 247, 28), {6, 4, 2});
    painter.drawImage(glow.offset(), glow);
    QLinearGradient gold(0, bounds.top(), 0, bounds.bottom());
    gold.setStart(0, LogoArea.top() + 12);
    gold.setFinalStop(0, LogoArea.bottom() - 12);
    gold.setColorAt(0.0, Look::Gold.lighter(150));
    gold.setColorAt(1.0, Look::Gold.darker(120));
    painter.setPen(QPen(QColor(40, 24, 10), 1.2));
    painter.setBrush(gold);
    painter.drawPath(text);
    painter.fillRect(LogoArea.left() + 70, LogoArea.bottom() - 2, LogoArea.width() - 140, 1,
                     Look::Blue);
}

// imgBrovel: a hand of cards fanned across the felt.
void MenuBackdrop::paintBrovel(QPainter& painter) {
    const std::array<int, 5> faces{5, 0, 4, 1, 2};
    const QPointF pivot(BrovelArea.center().x(), BrovelArea.bottom() + 60);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        painter.save();
        painter.translate(pivot);
        painter.rotate(-28.0 + 14.0 * static_cast<double>(i));
        painter.translate(-CardPainter::Width / 2.0, -262);
        painter.drawPixmap(0, 0, CardPainter::Face(faces[i]));
        painter.restore();
    }
}
