#include "FuzzFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {
// A file system in memory where there is one: a disk would make each input ten times slower.
std::string baseFolder() {
    if (std::filesystem::is_directory("/dev/shm"))
        return "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
}

std::string makeFolder() {
    std::string name = baseFolder() + "/qb-fuzz-XXXXXX";
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("no temporary folder for the fuzz input");
    return name;
}

struct Folder {
    std::string path = makeFolder();
    ~Folder() { std::filesystem::remove_all(path); }
};
} // namespace

const std::string& FuzzFile::folder() {
    static const Folder made;
    return made.path;
}

const std::string& FuzzFile::holding(const std::uint8_t* data, std::size_t size) {
    static const std::string path = folder() + "/input";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort(); // the fuzzer's own machinery failed, not the reader
    return path;
}
