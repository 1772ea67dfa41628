#pragma once

#include <optional>
#include <string>

// Reads one named section out of an ELF file (32- or 64-bit, either byte order) without
// loading the program: the game carries its definition file in the section "__GDF_XML".
// The file may be anything an installer hands over, so every offset and size is checked
// against the file before it is used.
class ElfSection {
public:
    // The section's bytes, or nothing when the file cannot be read, is no ELF file, or has
    // no such section (or one without contents in the file).
    static std::optional<std::string> read(const std::string& path, const std::string& name);
};
