// Turns a language file as kept in the source tree (UTF-8, one text per line) into the form the
// game reads beside itself: Windows-1252 with CR LF line ends. Refuses a file that has not
// exactly one line per text, or a text the code page cannot hold, so a broken translation stops
// the build instead of shifting or garbling texts in the game.

#include "Cp1252.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr std::size_t TextCount = 105;

bool readLines(const char* path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

bool fitsCodePage(const std::string& utf8) {
    return cp1252::toUtf8(cp1252::fromUtf8(utf8)) == utf8;
}

int fail(const std::string& message) {
    std::cerr << message << '\n';
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return fail("usage: language-file-tool <source.ini> <target.ini>");
    std::vector<std::string> lines;
    if (!readLines(argv[1], lines))
        return fail(std::string("cannot read ") + argv[1]);
    if (lines.size() != TextCount)
        return fail(std::string(argv[1]) + ": " + std::to_string(lines.size()) +
                    " lines, one per text (" + std::to_string(TextCount) + ") expected");
    std::ostringstream out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!fitsCodePage(lines[i]))
            return fail(std::string(argv[1]) + ":" + std::to_string(i + 1) +
                        ": a character is not in Windows-1252");
        out << cp1252::fromUtf8(lines[i]) << "\r\n";
    }
    std::ofstream target(argv[2], std::ios::binary | std::ios::trunc);
    target << out.str();
    return target.flush() ? 0 : fail(std::string("cannot write ") + argv[2]);
}
