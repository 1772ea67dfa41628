#pragma once

#include <QString>
#include <functional>

// The program-wide services that code without windows (rules, profile, opponent) needs from
// the shell. The shell installs the real message box and program end at start-up; tests
// install recorders. Before anything is installed, messages go to standard error and
// EndProgram does nothing.

// The program's only message box: modal, no result; an empty button text means the default
// button (the language's Ok) and no second button.
void ShowMessage(const QString& message, const QString& firstButton = {},
                 const QString& secondButton = {});

// Waits 170 ms, releases the sound effects and ends the process.
void EndProgram();

// "Error " + number + " in " + source + ": " + description, through ShowMessage.
void ReportError(long number, const QString& source, const QString& description);

namespace Ports {
using MessageFunction =
    std::function<void(const QString& message, const QString& first, const QString& second)>;
void installShowMessage(MessageFunction f);
void installEndProgram(std::function<void()> f);
} // namespace Ports
