#pragma once

#include "UtilityMessages.h"

// The wizard's message boxes as the platform's standard ones.
class UtilityMessageBoxes : public UtilityMessages {
public:
    void showError(QWidget* owner, const QString& text) override;
    bool confirm(QWidget* owner, const QString& title, const QString& text) override;
};
