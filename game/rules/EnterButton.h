#pragma once

#include <QAbstractButton>

// A button of the table windows that Enter presses as well as Space, like the game's other
// buttons.
class EnterButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit EnterButton(QWidget* parent) : QAbstractButton(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
