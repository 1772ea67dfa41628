#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A freedesktop desktop entry: groups of keys in the order they were set. Values are held
// plain and escaped only in the file (\s, \n, \t, \r, \\), so a path with a line break in it
// can never start a key of its own.
class DesktopEntry {
public:
    static constexpr const char* mainGroup = "Desktop Entry";

    void set(const std::string& group, const std::string& key, const std::string& value);

    void remove(const std::string& group, const std::string& key);

    // Drops every group but that one.
    void keepOnly(const std::string& group);

    // The value, or an empty text when the group or key is missing.
    std::string get(const std::string& group, const std::string& key) const;

    std::string text() const;

    // The entry in text, or nothing when a line is neither a group, a key nor a comment.
    static std::optional<DesktopEntry> parse(const std::string& text);

    static std::optional<DesktopEntry> load(const std::string& path);
    bool save(const std::string& path) const;

private:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    std::vector<std::pair<std::string, Keys>> groups_;
};
