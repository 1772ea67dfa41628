#pragma once

#include "campaign/TradeModel.h"
#include "shell/FramedWindow.h"

#include <array>

class QLabel;
class TradeScrollBar;
class TradeSlot;
class ctlButton;

// The card trade of the campaign: a strip of five card kinds scrolled through all 23 by its
// buttons, the arrow keys, the mouse wheel or the thumb; the selected kind's description,
// price, quantity and required level; buying and selling one card at a time.
class frmTrade : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 560;
    static constexpr int WindowHeight = 380;

    explicit frmTrade(QWidget* parent = nullptr);

    const TradeModel& model() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* makeLabel(const QString& name, const QRect& place, int pointSize = 10);
    void layOut();
    void SelectSlot(int slot);
    void ScrollButton(int step);
    void Drag(int windowY, int grab);
    void BuySell();
    void ChangeMode();
    void ShowStrip();
    void ShowSelected();
    void ShowMode();

    TradeModel m_model;
    std::array<TradeSlot*, TradeModel::SlotCount> imgCard;
    TradeScrollBar* picScrollBar;
    QLabel* lblBuySell;
    QLabel* lblPriceText;
    QLabel* lblPrice;
    QLabel* lblNumberOfText;
    QLabel* lblNumberOf;
    QLabel* lblCreditsText;
    QLabel* lblCredits;
    QLabel* lblLevel;
    QLabel* lblInfo;
    ctlButton* cmdBuySell;
    ctlButton* cmdChangeMode;
    ctlButton* cmdClose;
};
