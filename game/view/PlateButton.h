#pragma once

#include "view/EnterButton.h"

// A button of the table and the side deck selection: a caption on a plate of the background.
// Its highlighted look shows the dark plate and greys the caption; which of its looks is shown
// is decided by the window (a table button stays highlighted while it is inactive), so the
// button only reports the pointer moving over it.
class PlateButton : public EnterButton {
    Q_OBJECT
public:
    explicit PlateButton(QWidget* parent, int fontSize = 10);

    bool Highlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

Q_SIGNALS:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    bool m_highlighted = false;
};
