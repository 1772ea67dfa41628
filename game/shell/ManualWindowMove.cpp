#include "shell/ManualWindowMove.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

void ManualWindowMove::Start(QWidget* window) {
    new ManualWindowMove(window);
}

ManualWindowMove::ManualWindowMove(QWidget* window)
    : QObject(window), m_window(window), m_grabOffset(QCursor::pos() - window->pos()) {
    window->installEventFilter(this);
    window->grabMouse();
}

bool ManualWindowMove::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        m_window->move(QCursor::pos() - m_grabOffset);
        return true;
    case QEvent::MouseButtonRelease:
        finish();
        return true;
    default:
        return false;
    }
}

void ManualWindowMove::finish() {
    m_window->removeEventFilter(this);
    m_window->releaseMouse();
    deleteLater();
}
