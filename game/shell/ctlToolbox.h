#pragma once

#include "shell/HoverButton.h"

class QPainter;

// The small button in a window's caption corner: a close cross, or with MinButton a minimise
// bar. Its Click is the clicked() signal; each window decides what it does.
class ctlToolbox : public HoverButton {
    Q_OBJECT
public:
    explicit ctlToolbox(QWidget* parent = nullptr);

    bool MinButton() const { return m_minButton; }
    void setMinButton(bool minButton);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFocus(QPainter& painter) const;
    bool m_minButton = false;
};
