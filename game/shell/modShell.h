#pragma once

#include <QString>

// The program's start and end.
namespace modShell {

// The font file beside the program, usable by this process only.
inline const QString FontFile = QStringLiteral("kvfont.ttf");

// Adds the program's own font from folder. On failure says so (the language is not loaded yet,
// so the text is fixed) and the game goes on with the platform's fonts. Returns whether it worked.
bool LoadProgramFont(const QString& folder);

// Gives the last click sound time to play, releases the sound effects and ends the process at
// once. Nothing needs saving: every lasting value was saved when it changed.
[[noreturn]] void TerminateProgram();

} // namespace modShell
