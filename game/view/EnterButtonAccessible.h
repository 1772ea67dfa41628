#pragma once

#include <QAccessibleWidget>

class EnterButton;

// What assistive tools see of an EnterButton: a push button named by its accessible name or
// its text, pressed through its action, unavailable while inactive; a passive one is a named
// picture without actions.
class EnterButtonAccessible : public QAccessibleWidget {
public:
    explicit EnterButtonAccessible(EnterButton* button);

    // Makes every EnterButton use this interface; once per program.
    static void Install();

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    EnterButton* button() const;
};
