#include "DesktopEntry.h"

#include "AtomicFile.h"

#include <sstream>
#include <vector>

namespace {

std::string escape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == ' ' && i == 0) {
            out += "\\s"; // a leading space would be taken for the separator's
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char c = value[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The value after the separator: spaces around '=' are not part of it, its own end is.
std::string leading(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : s.substr(first);
}

} // namespace

void DesktopEntry::set(const std::string& group, const std::string& key, const std::string& value) {
    auto g = groups_.begin();
    while (g != groups_.end() && g->first != group) {
        ++g;
    }
    if (g == groups_.end()) {
        groups_.emplace_back(group, Keys{});
        g = groups_.end() - 1;
    }
    for (auto& [k, v] : g->second) {
        if (k == key) {
            v = value;
            return;
        }
    }
    g->second.emplace_back(key, value);
}

void DesktopEntry::remove(const std::string& group, const std::string& key) {
    for (auto& [name, keys] : groups_) {
        if (name == group) {
            std::erase_if(keys, [&](const auto& k) { return k.first == key; });
        }
    }
}

void DesktopEntry::keepOnly(const std::string& group) {
    std::erase_if(groups_, [&](const auto& g) { return g.first != group; });
}

std::string DesktopEntry::get(const std::string& group, const std::string& key) const {
    for (const auto& [name, keys] : groups_) {
        if (name != group) {
            continue;
        }
        for (const auto& [k, v] : keys) {
            if (k == key) {
                return v;
            }
        }
    }
    return {};
}

std::string DesktopEntry::text() const {
    std::string out;
    for (const auto& [name, keys] : groups_) {
        out += (out.empty() ? "[" : "\n[") + name + "]\n";
        for (const auto& [k, v] : keys) {
            out += k + "=" + escape(v) + "\n";
        }
    }
    return out;
}

std::optional<DesktopEntry> DesktopEntry::parse(const std::string& text) {
    DesktopEntry entry;
    std::istringstream in(text);
    std::string line;
    std::string group;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto equals = line.find('=');
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
        } else if (equals == std::string::npos || group.empty()) {
            return std::nullopt;
        } else {
            entry.set(group, trim(line.substr(0, equals)),
                      unescape(leading(line.substr(equals + 1))));
        }
    }
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::load(const std::string& path) {
    const auto text = AtomicFile::read(path);
    return text ? parse(*text) : std::nullopt;
}

bool DesktopEntry::save(const std::string& path) const {
    return AtomicFile::write(path, text());
}
