#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a window with the pointer while a mouse button is held, for desktops without a window
// manager that can do it. Deletes itself when the button is released.
class ManualWindowMove : public QObject {
    Q_OBJECT
public:
    static void Start(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ManualWindowMove(QWidget* window);
    void finish();

    QWidget* m_window;
    QPoint m_grabOffset;
};
