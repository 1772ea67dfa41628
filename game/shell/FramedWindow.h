#pragma once

#include <QDialog>

class ctlToolbox;

// A secondary window of the game: borderless, slightly translucent, with the gold frame and
// chamfered corners, centred over the main window when it opens and moved by pressing any mouse
// button on its background or its labels. Windows that can be closed from their caption corner
// get a close button.
class FramedWindow : public QDialog {
    Q_OBJECT
public:
    enum CloseButton { WithoutCloseButton, WithCloseButton };
    explicit FramedWindow(CloseButton closeButton, QWidget* parent = nullptr);

protected:
    ctlToolbox* tbClose() const { return m_close; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ctlToolbox* m_close = nullptr;
};
