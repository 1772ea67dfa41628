#pragma once

#include "shell/FramedWindow.h"

#include <array>
#include <cstdint>

class QKeyEvent;
class QLabel;
class QLineEdit;
class ctlButton;

// Asks how many credits the player stakes on the coming match. The amount is preset to the
// largest allowed and checked on every change; only a valid amount can be stored. The end button
// gives up the match before it starts and leads back to the main menu.
class frmWager : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 330;
    static constexpr int WindowHeight = 170;

    explicit frmWager(QWidget* parent = nullptr);

Q_SIGNALS:
    // The player's Wager was set to this amount; the window closes.
    void wagerStored(std::int32_t wager);
    // The player chose to leave for the main menu; the window closes.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape leaves the same way as the end button: no match without a wager.
    void reject() override;

private:
    QLabel* makeLabel(const QString& name, int top);
    void fillTexts();
    void layOut();
    void Validate();
    void StoreWager();
    void End();
    bool filterKey(QKeyEvent* key);

    QLineEdit* txtWager;
    ctlButton* cmdWager;
    ctlButton* cmdEnd;
    std::array<QLabel*, 3> lblInfo;
};
