#pragma once

#include "view/EnterButton.h"

// One place of the trade window's card strip: a small card picture with its caption beside it,
// framed and coloured while its kind is the selected one. Tab reaches it; Space or Enter selects
// its kind, and Up and Down (which the window takes) scroll the strip under it.
class TradeSlot : public EnterButton {
    Q_OBJECT
public:
    explicit TradeSlot(QWidget* parent = nullptr);

    // The kind shown (its caption is the button's text).
    void setKind(int kind, const QString& caption);
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_face = -1;
    QString m_notation; // written on the card, as on the table
    bool m_selected = false;
};
