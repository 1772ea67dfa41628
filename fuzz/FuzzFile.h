#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Readers that take a path get the fuzzer's bytes through one real file in a private folder
// (in memory under /dev/shm where it exists), rewritten for every input.
class FuzzFile {
public:
    // The file's path after it was replaced by these bytes.
    static const std::string& holding(const std::uint8_t* data, std::size_t size);
    // The private folder the file lives in (made at the first use, removed at exit).
    static const std::string& folder();
};
