#pragma once

#include "shell/FramedWindow.h"

#include <functional>

class QLabel;
class ctlButton;

// The game's message box. It returns nothing to its caller: the first button itself carries out
// the follow-up of the two questions that need one, recognised by their text — abandoning the
// match (QuitReally) and giving up the wait for the other player (WaitingForPlayer). Several
// boxes may be open at once; each waits in its own event loop.
class frmMessage : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 411;
    static constexpr int DesignHeight = 114;
    static constexpr int MaxWidth = 500;
    static constexpr int Margin = 16;
    static constexpr int ButtonGap = 33;

    // Shows the box modally and returns when it has been closed. An empty firstButton means the
    // language's Ok; an empty secondButton means a single button.
    static void ShowMessage(const QString& message, const QString& firstButton,
                            const QString& secondButton);

    // The sound effect that goes with a message text.
    static int SoundFor(const QString& message);

    // What the rest of the match does after the player confirms quitting (report the abandoned
    // match, close the table) and after the player cancels waiting for the other player (close
    // the connection and the side deck selection). The box itself keeps the highscore and shows
    // the main menu again.
    static void setQuitConfirmedAction(std::function<void()> action);
    static void setWaitCancelledAction(std::function<void()> action);

    frmMessage(const QString& message, const QString& firstButton, const QString& secondButton);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitWidth(const QString& message);
    void placeButtons();
    void firstButtonClicked();
    void confirmQuit();
    void cancelWaiting();

    QLabel* lblMessage;
    ctlButton* cmdFirstButton;
    ctlButton* cmdSecondButton;
};
