#pragma once

#include <QString>

// What the match asks of the time and the player's ears and eyes outside the table: pauses, the
// modal message box and sound effects. The table window gives the real ones; tests and the
// simulator give instant ones. Anything may happen inside Wait and ShowMessage (window events
// keep running): the table checks afterwards that its set is still the current one.
class TableEffects {
public:
    virtual ~TableEffects() = default;

    // Pause for ms milliseconds while window events keep running.
    virtual void Wait(int ms) = 0;
    // The modal message box; empty button texts mean the single default button.
    virtual void ShowMessage(const QString& message, const QString& firstButton = {},
                             const QString& secondButton = {}) = 0;
    // A sound effect 0..14 (SoundEffect::Number).
    virtual void PlaySound(int effect) = 0;
};
