#include "campaign/frmTrade.h"

#include "campaign/CampaignBoard.h"
#include "campaign/TradeScrollBar.h"
#include "campaign/TradeSlot.h"
#include "profile/clsLanguage.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"

#include <QKeyEvent>
#include <QLabel>
#include <QWheelEvent>

namespace {
constexpr int Margin = 16;
constexpr int StripTop = TradeModel::ThumbFirstTop - TradeScrollBar::ButtonSize;
constexpr int SlotPitch = 57;
constexpr int SlotWidth = 230;
constexpr int DetailLeft = 290;
constexpr int DetailWidth = frmTrade::WindowWidth - DetailLeft - Margin;
constexpr int ButtonWidth = 118;
constexpr int ButtonHeight = 24;
} // namespace

frmTrade::frmTrade(QWidget* parent)
    : FramedWindow(WithoutCloseButton, parent), picScrollBar(new TradeScrollBar(this)),
      lblBuySell(makeLabel(QStringLiteral("lblBuySell"), {Margin, 12, 300, 26}, 15)),
      lblPriceText(makeLabel(QStringLiteral("lblPriceText"), {DetailLeft, 180, 120, 20})),
      lblPrice(makeLabel(QStringLiteral("lblPrice"), {DetailLeft + 130, 180, 120, 20})),
      lblNumberOfText(makeLabel(QStringLiteral("lblNumberOfText"), {DetailLeft, 204, 120, 20})),
      lblNumberOf(makeLabel(QStringLiteral("lblNumberOf"), {DetailLeft + 130, 204, 120, 20})),
      lblCreditsText(makeLabel(QStringLiteral("lblCreditsText"), {DetailLeft, 228, 120, 20})),
      lblCredits(makeLabel(QStringLiteral("lblCredits"), {DetailLeft + 130, 228, 120, 20})),
      lblLevel(makeLabel(QStringLiteral("lblLevel"), {DetailLeft, 258, DetailWidth, 20})),
      lblInfo(makeLabel(QStringLiteral("lblInfo"), {DetailLeft, StripTop, DetailWidth, 116}, 9)),
      cmdBuySell(new ctlButton(this)), cmdChangeMode(new ctlButton(this)),
      cmdClose(new ctlButton(this)) {
    setObjectName(QStringLiteral("frmTrade"));
    for (int slot = 0; slot < TradeModel::SlotCount; ++slot) {
        imgCard[slot] = new TradeSlot(this);
        imgCard[slot]->setObjectName(QStringLiteral("imgCard%1").arg(slot));
        connect(imgCard[slot], &QAbstractButton::clicked, this, [this, slot] { SelectSlot(slot); });
    }
    cmdBuySell->setObjectName(QStringLiteral("cmdBuySell"));
    cmdChangeMode->setObjectName(QStringLiteral("cmdChangeMode"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    layOut();
    connect(picScrollBar, &TradeScrollBar::stepped, this, &frmTrade::ScrollButton);
    connect(picScrollBar, &TradeScrollBar::dragged, this, &frmTrade::Drag);
    connect(cmdBuySell, &QAbstractButton::clicked, this, &frmTrade::BuySell);
    connect(cmdChangeMode, &QAbstractButton::clicked, this, &frmTrade::ChangeMode);
    connect(cmdClose, &QAbstractButton::clicked, this, &QDialog::close);
    lblCreditsText->setText(QStringLiteral("Credits"));
    lblCredits->setText(CampaignBoard::PlayerCredits());
    cmdClose->setCaption(clsLanguage::instance().sClose());
    ShowMode();
    ShowStrip();
}

// Details may run over several lines, from the top of their place.
QLabel* frmTrade::makeLabel(const QString& name, const QRect& place, int pointSize) {
    QLabel* label = MakeWindowLabel(this, name, place, pointSize);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void frmTrade::layOut() {
    setFixedSize(WindowWidth, WindowHeight);
    lblBuySell->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    for (int slot = 0; slot < TradeModel::SlotCount; ++slot)
        imgCard[slot]->setGeometry(Margin, StripTop + slot * SlotPitch, SlotWidth, SlotPitch - 3);
    const int barHeight =
        TradeModel::ThumbTravel + TradeScrollBar::ThumbHeight + 2 * TradeScrollBar::ButtonSize;
    picScrollBar->setGeometry(Margin + SlotWidth + 6, StripTop, 22, barHeight);
    const int top = WindowHeight - Margin - ButtonHeight;
    cmdBuySell->setGeometry(DetailLeft, top - ButtonHeight - 8, ButtonWidth, ButtonHeight);
    cmdChangeMode->setGeometry(DetailLeft + ButtonWidth + 18, top - ButtonHeight - 8, ButtonWidth,
                               ButtonHeight);
    cmdClose->setGeometry(DetailLeft + ButtonWidth + 18, top, ButtonWidth, ButtonHeight);
}

void frmTrade::ShowStrip() {
    for (int slot = 0; slot < TradeModel::SlotCount; ++slot) {
        const int kind = m_model.KindInSlot(slot);
        imgCard[slot]->setKind(kind, m_model.catalogue().Caption(static_cast<std::int16_t>(kind)));
        imgCard[slot]->setSelected(slot == m_model.SelectedSlot());
    }
    picScrollBar->setThumbTop(m_model.ThumbTop());
}

// The labels of the selected kind in the current mode, and whether it can be traded now.
void frmTrade::ShowSelected() {
    lblInfo->setText(m_model.catalogue().Description());
    lblPrice->setText(QString::number(m_model.Price()));
    lblNumberOf->setText(QString::number(m_model.Quantity()));
    lblLevel->setText(m_model.LevelText());
    cmdBuySell->setEnabled(m_model.CanTrade());
}

void frmTrade::ShowMode() {
    const clsLanguage& t = clsLanguage::instance();
    const bool buying = m_model.mode() == TradeModel::Mode::Buy;
    lblBuySell->setText(buying ? t.Buy() : t.Sell());
    setWindowTitle(lblBuySell->text());
    cmdBuySell->setCaption(lblBuySell->text());
    cmdChangeMode->setCaption(buying ? t.SellList() : t.BuyList());
    lblPriceText->setText(buying ? t.Cost() : t.Worth());
    lblNumberOfText->setText(t.Quantity());
    ShowSelected();
}

void frmTrade::SelectSlot(int slot) {
    modSoundSystem::PlaySound(SoundEffect::Click);
    if (!m_model.Select(slot))
        return;
    ShowStrip();
    ShowSelected();
}

void frmTrade::ScrollButton(int step) {
    modSoundSystem::PlaySound(SoundEffect::Hover);
    if (m_model.Scroll(step))
        ShowStrip();
}

void frmTrade::Drag(int windowY, int grab) {
    m_model.DragThumb(windowY, grab);
    ShowStrip();
}

void frmTrade::BuySell() {
    if (!m_model.Trade())
        return;
    lblNumberOf->setText(QString::number(m_model.Quantity()));
    lblCredits->setText(CampaignBoard::PlayerCredits());
    cmdBuySell->setEnabled(m_model.CanTrade());
}

void frmTrade::ChangeMode() {
    m_model.ChangeMode();
    ShowMode();
}

void frmTrade::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        ScrollButton(-1);
    else if (event->key() == Qt::Key_Down)
        ScrollButton(+1);
    else
        FramedWindow::keyPressEvent(event);
}

// A notch away from the player scrolls back, towards the player on.
void frmTrade::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0)
        ScrollButton(delta < 0 ? +1 : -1);
}

// Whatever happened while the window was in the background, the button follows the rules.
void frmTrade::changeEvent(QEvent* event) {
    FramedWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        cmdBuySell->setEnabled(m_model.CanTrade());
}
