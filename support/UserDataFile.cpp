#include "UserDataFile.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* Folder = "QueltaBrovel";
constexpr const char* FileName = "User.dat";

// Only absolute paths count: a relative data folder would move with the working folder.
bool usable(const char* dir) {
    return dir != nullptr && dir[0] == '/';
}

std::string dataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); usable(xdg)) {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (!usable(home)) {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return usable(home) ? std::string(home) + "/.local/share" : std::string();
}

// mkdir -p; true when the folder exists afterwards.
bool makeFolders(const std::string& dir) {
    for (std::size_t slash = dir.find('/', 1); slash != std::string::npos;
         slash = dir.find('/', slash + 1)) {
        ::mkdir(dir.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(dir.c_str(), 0700);
    struct stat info {};
    return ::stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Writes all bytes, resuming after interruptions; returns how many were written, or -1 when
// the first write fails.
ssize_t writeAll(int fd, const std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return done == 0 ? -1 : static_cast<ssize_t>(done);
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

ssize_t readAll(int fd, std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

std::int32_t resultOf(ssize_t transferred) {
    if (transferred < 0) {
        return UserDataFile::IoFailed;
    }
    return static_cast<std::size_t>(transferred) < UserDataFile::Size ? UserDataFile::Incomplete
                                                                      : UserDataFile::Done;
}

// The bytes reach the disk before the rename makes them the player's file.
std::int32_t writeAndClose(int fd, const std::uint8_t* buffer) {
    std::int32_t result = resultOf(writeAll(fd, buffer, UserDataFile::Size));
    if (result == UserDataFile::Done && ::fsync(fd) != 0) {
        result = UserDataFile::IoFailed;
    }
    if (::close(fd) != 0 && result == UserDataFile::Done) {
        result = UserDataFile::IoFailed;
    }
    return result;
}

// Makes the rename itself lasting; a folder that cannot be synced is no reason to fail.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The temporary file of a save that was cut off (the game killed, the machine off) stays
// behind; the next save clears such leftovers so they cannot pile up. One game per profile
// writes here at a time, so no other save is in the middle of its own temporary file.
void removeLeftoverTemporaries(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
            ::unlink((folder + "/" + name).c_str());
        }
    }
    ::closedir(dir);
}

} // namespace

std::string UserDataFile::locate() {
    const std::string base = dataHome();
    if (base.empty() || !makeFolders(base)) {
        return FileName;
    }
    const std::string folder = base + "/" + Folder;
    ::mkdir(folder.c_str(), 0700); // usually there already
    return folder + "/" + FileName;
}

const std::string& UserDataFile::path() {
    static const std::string located = locate();
    return located;
}

std::int32_t UserDataFile::read(std::uint8_t* buffer) {
    if (buffer == nullptr) {
        return IoFailed;
    }
    const int fd = ::open(path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return CannotOpen;
    }
    const std::int32_t result = resultOf(readAll(fd, buffer, Size));
    ::close(fd);
    return result;
}

std::int32_t UserDataFile::write(const std::uint8_t* buffer) {
    if (buffer == nullptr) {
        return IoFailed;
    }
    removeLeftoverTemporaries(path());
    std::string temporary = path() + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return CannotOpen;
    }
    std::int32_t result = writeAndClose(fd, buffer);
    if (result == Done && ::rename(temporary.c_str(), path().c_str()) != 0) {
        result = CannotOpen;
    }
    if (result != Done) {
        ::unlink(temporary.c_str());
        return result;
    }
    syncFolder(folderOf(path()));
    return Done;
}
