#include "DownloadFolder.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t LongestName = 128;
constexpr std::size_t ChunkSize = 1 << 16;

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};
} // namespace

bool DownloadFolder::IsOfferedName(std::string_view name) {
    return !name.empty() && name.size() <= LongestName && name.front() != '.' &&
           name.find("..") == std::string_view::npos &&
           std::all_of(name.begin(), name.end(), isNameCharacter);
}

std::optional<std::string> DownloadFolder::Read(std::string_view name) const {
    if (!IsOfferedName(name))
        return std::nullopt;
    const std::string path = (m_folder / std::string(name)).string();
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string content;
    char chunk[ChunkSize];
    ssize_t got;
    while ((got = read(file.get(), chunk, sizeof chunk)) > 0)
        content.append(chunk, static_cast<std::size_t>(got));
    if (got < 0)
        return std::nullopt;
    return content;
}
