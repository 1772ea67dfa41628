#pragma once

#include <QAbstractButton>

// The behaviour the game's own buttons share: the hover sound once when the pointer arrives
// (again only after it has left), the click sound, Space and Enter as a click. A disabled button
// neither lights up nor sounds. Every other key goes on to the window, which may use it (Tab still
// moves the focus).
class HoverButton : public QAbstractButton {
    Q_OBJECT
public:
    bool isHovered() const { return m_hovered; }

protected:
    explicit HoverButton(QWidget* parent);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_hovered = false;
};
