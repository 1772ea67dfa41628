#pragma once

#include <string>
#include <vector>

// A task's arguments arrive as one command-line text, the way a shortcut holds them; a
// desktop entry's Exec key needs them as separately quoted words.
class CommandLine {
public:
    // Splits text into arguments as a Windows program's start-up code does: white space
    // separates, double quotes group, backslashes escape a quote only when they precede one.
    static std::vector<std::string> split(const std::string& text);

    // The words as an Exec value: a word with characters the desktop treats specially is put
    // in double quotes with ", `, $ and \ escaped; every % is doubled so that no word is taken
    // for a field code.
    static std::string exec(const std::vector<std::string>& words);
};
