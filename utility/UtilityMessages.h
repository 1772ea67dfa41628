#pragma once

#include <QString>

class QWidget;

// The wizard's message boxes. The program shows real ones; tests answer them.
class UtilityMessages {
public:
    virtual ~UtilityMessages() = default;
    // A message with the error icon and an OK button.
    virtual void showError(QWidget* owner, const QString& text) = 0;
    // A question with the error icon and the buttons Yes and No, No the default; true for Yes.
    virtual bool confirm(QWidget* owner, const QString& title, const QString& text) = 0;
};
