#pragma once

#include <optional>
#include <string>

// Whole-file reads and writes. A write goes to a temporary file in the same folder that is
// renamed over the old one, so a reader (a menu, the next installer run) sees the old file or
// the new one, never half of one.
class AtomicFile {
public:
    static bool write(const std::string& path, const std::string& bytes);
    static std::optional<std::string> read(const std::string& path);
};
