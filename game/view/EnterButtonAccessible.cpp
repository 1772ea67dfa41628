#include "view/EnterButtonAccessible.h"

#include "view/EnterButton.h"

namespace {
QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<EnterButton*>(object))
        return new EnterButtonAccessible(button);
    return nullptr;
}
} // namespace

EnterButtonAccessible::EnterButtonAccessible(EnterButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {
}

void EnterButtonAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

EnterButton* EnterButtonAccessible::button() const {
    return static_cast<EnterButton*>(widget());
}

QAccessible::Role EnterButtonAccessible::role() const {
    return button()->Passive() ? QAccessible::Graphic : QAccessible::Button;
}

QAccessible::State EnterButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (button()->Inactive())
        s.disabled = true;
    if (!button()->Passive())
        s.pressed = button()->isDown();
    return s;
}

QString EnterButtonAccessible::text(QAccessible::Text t) const {
    QString result = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && result.isEmpty())
        result = button()->text();
    return result;
}

QStringList EnterButtonAccessible::actionNames() const {
    if (button()->Passive() || !button()->isEnabled())
        return QAccessibleWidget::actionNames();
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void EnterButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && !button()->Passive() && button()->isEnabled())
        button()->animateClick();
    else
        QAccessibleWidget::doAction(actionName);
}
