#pragma once

#include "shell/FramedWindow.h"

#include <array>

class QLabel;
class ctlButton;

// The about window: who made the game, a disclaimer and the version.
class frmInfo : public FramedWindow {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent = nullptr);

private:
    QLabel* makeLabel(const QString& name, const QString& text, int pointSize);
    void layOut();

    QLabel* lblInfo;
    std::array<QLabel*, 3> lblDisclaimer;
    ctlButton* cmdOK;
};
