#pragma once

#include <QAbstractButton>

// A button of the table windows that Enter presses as well as Space, like the game's other
// buttons. Assistive tools see more of it than its widget state: a button the player cannot use
// right now (End Turn while the opponent moves, a hand card already played) reports itself
// unavailable while it keeps its look and its pointer events, and a card that only shows what
// lies on the table is a named picture, not a button.
class EnterButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit EnterButton(QWidget* parent);

    bool Inactive() const { return m_inactive; }
    void setInactive(bool inactive);
    bool Passive() const { return m_passive; }
    // A picture only: no keyboard focus and no press for assistive tools.
    void setPassive(bool passive);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_inactive = false;
    bool m_passive = false;
};
