#pragma once

#include "shell/HoverButton.h"

#include <QColor>
#include <cstdint>

// The game's push button: a caption framed by thin lines with corner brackets, blue when idle,
// yellow-green while the pointer is over it and grey when disabled. Its Click is the button's
// clicked() signal; Enabled is the widget's own enabled state.
class ctlButton : public HoverButton {
    Q_OBJECT
public:
    explicit ctlButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    std::int16_t FontSize() const;
    void setFontSize(std::int16_t size);

    // The colour of the caption and frame in the current look.
    QColor LookColour() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCorners(QPainter& painter, const QColor& colour) const;
    void paintCaption(QPainter& painter, const QColor& colour) const;
};
