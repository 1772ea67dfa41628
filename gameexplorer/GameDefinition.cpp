#include "GameDefinition.h"

#include "ElfSection.h"
#include "XmlElement.h"

#include <cctype>

namespace {

// The text on one line: runs of white space become one space, none at either end.
std::string oneLine(const std::string& text) {
    std::string out;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !out.empty();
        } else {
            if (space) {
                out += ' ';
            }
            space = false;
            out += c;
        }
    }
    return out;
}

std::string childText(const XmlElement& parent, const std::string& name) {
    const XmlElement* child = parent.child(name);
    return child == nullptr ? std::string() : oneLine(child->text());
}

// The texts, or with attribute the values of that attribute, of every item in list.
std::vector<std::string> items(const XmlElement& parent, const std::string& list,
                               const std::string& item, const std::string& attribute = {}) {
    std::vector<std::string> out;
    const XmlElement* container = parent.child(list);
    if (container == nullptr) {
        return out;
    }
    for (const auto& c : container->children()) {
        if (c.name() == item) {
            out.push_back(attribute.empty() ? oneLine(c.text()) : c.attribute(attribute));
        }
    }
    return out;
}

} // namespace

std::optional<GameDefinition> GameDefinition::parse(const std::string& xml) {
    const auto root = XmlElement::parse(xml);
    if (!root || root->name() != "GameDefinitionFile") {
        return std::nullopt;
    }
    const XmlElement* game = root->child("GameDefinition");
    if (game == nullptr) {
        return std::nullopt;
    }
    GameDefinition out;
    out.gameId = game->attribute("gameID");
    out.name = childText(*game, "Name");
    out.description = childText(*game, "Description");
    out.genres = items(*game, "Genres", "Genre");
    out.executables = items(*game, "GameExecutables", "GameExecutable", "path");
    if (out.gameId.empty() || out.name.empty() || out.executables.empty() ||
        out.executables.front().empty()) {
        return std::nullopt;
    }
    return out;
}

std::optional<GameDefinition> GameDefinition::fromProgram(const std::string& path) {
    const auto xml = ElfSection::read(path, "__GDF_XML");
    return xml ? parse(*xml) : std::nullopt;
}

std::string GameDefinition::programPath() const {
    std::string program = executables.front();
    for (char& c : program) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::string suffix = ".exe";
    if (program.size() > suffix.size()) {
        const auto tail = program.size() - suffix.size();
        bool exe = true;
        for (std::size_t i = 0; i < suffix.size(); ++i) {
            exe = exe && std::tolower(static_cast<unsigned char>(program[tail + i])) == suffix[i];
        }
        if (exe) {
            program.erase(tail);
        }
    }
    return program;
}
