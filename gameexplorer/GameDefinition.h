#pragma once

#include <optional>
#include <string>
#include <vector>

// What the desktop shows of a game, read from its definition file (the XML document the game
// program carries in its "__GDF_XML" section).
struct GameDefinition {
    std::string gameId;      // the game's own GUID in braces
    std::string name;        // shown as the menu entry's name
    std::string description; // one line, shown as its comment
    std::vector<std::string> genres;
    std::vector<std::string> executables; // as the file lists them, the game first

    // The definition in the document, or nothing when it is not a well-formed definition
    // file with a game ID, a name and at least one executable.
    static std::optional<GameDefinition> parse(const std::string& xml);

    // The definition carried by the program at path.
    static std::optional<GameDefinition> fromProgram(const std::string& path);

    // The game program's path inside its installation folder on this platform: the first
    // executable with forward slashes and without the ".exe" of the definition file's format.
    std::string programPath() const;
};
