#include "view/EnterButton.h"

#include "view/EnterButtonAccessible.h"

#include <QAccessible>
#include <QKeyEvent>

EnterButton::EnterButton(QWidget* parent) : QAbstractButton(parent) {
    EnterButtonAccessible::Install();
}

void EnterButton::setInactive(bool inactive) {
    if (inactive == m_inactive)
        return;
    m_inactive = inactive;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void EnterButton::setPassive(bool passive) {
    m_passive = passive;
    if (passive)
        setFocusPolicy(Qt::NoFocus);
}

void EnterButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
