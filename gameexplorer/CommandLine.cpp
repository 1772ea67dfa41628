#include "CommandLine.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string quoted(const std::string& word) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string out;
    for (const char c : word) {
        if (c == '%') {
            out += "%%";
        } else {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                out += '\\';
            }
            out += c;
        }
    }
    const bool plain = !word.empty() && word.find_first_of(reserved) == std::string::npos;
    return plain ? out : "\"" + out + "\"";
}

} // namespace

std::vector<std::string> CommandLine::split(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c) && !inQuotes) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            std::size_t run = 0;
            while (i + run < text.size() && text[i + run] == '\\') {
                ++run;
            }
            const bool beforeQuote = i + run < text.size() && text[i + run] == '"';
            word.append(beforeQuote ? run / 2 : run, '\\');
            i += run - 1;
            if (beforeQuote && run % 2 == 1) {
                word += '"';
                ++i;
            }
        } else if (c == '"') {
            if (inQuotes && i + 1 < text.size() && text[i + 1] == '"') {
                word += '"'; // "" inside quotes stands for one quote
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else {
            word += c;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

std::string CommandLine::exec(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) {
        out += (out.empty() ? "" : " ") + quoted(w);
    }
    return out;
}
