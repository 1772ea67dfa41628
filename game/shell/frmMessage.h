#pragma once

#include "shell/FramedWindow.h"

class QLabel;
class ctlButton;

// The game's message box. It tells its caller which button closed it; the program's message box
// (ScreenCoordinator::Message) carries out the follow-up of the two questions that need one,
// recognised by their text — abandoning the match (QuitReally) and giving up the wait for the
// other player (WaitingForPlayer). Several boxes may be open at once; each waits in its own
// event loop.
class frmMessage : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 411;
    static constexpr int DesignHeight = 114;
    static constexpr int MaxWidth = 500;
    static constexpr int Margin = 16;
    static constexpr int ButtonGap = 33;

    // Closed by a button, or from outside (the match starting closes the waiting box).
    enum Answer { Closed, FirstButton, SecondButton };

    // Shows the box modally and returns when it has been closed. An empty firstButton means the
    // language's Ok; an empty secondButton means a single button.
    static Answer ShowMessage(const QString& message, const QString& firstButton,
                              const QString& secondButton);

    // The sound effect that goes with a message text.
    static int SoundFor(const QString& message);

    // Whether message is the language text; an unset text never matches, so an empty message
    // cannot pass for a question.
    static bool IsText(const QString& message, const QString& text);

    frmMessage(const QString& message, const QString& firstButton, const QString& secondButton);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitWidth(const QString& message);
    void placeButtons();
    void answer(Answer given);

    QLabel* lblMessage;
    ctlButton* cmdFirstButton;
    ctlButton* cmdSecondButton;
    Answer m_answer = Closed;
};
