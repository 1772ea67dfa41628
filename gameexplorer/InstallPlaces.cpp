#include "InstallPlaces.h"

#include <cstdlib>

namespace {

std::optional<std::string> absolute(const char* value) {
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace

// A relative XDG variable is invalid and ignored, as the base folder rules say.
std::optional<std::string> InstallPlaces::userFolder(const char* variable, const char* fallback) {
    if (const auto set = absolute(std::getenv(variable))) {
        return set;
    }
    const auto home = absolute(std::getenv("HOME"));
    return home ? std::optional(*home + fallback) : std::nullopt;
}

// A root that is set but not absolute is refused rather than ignored: ignoring it would
// register into the machine's real folders.
std::optional<std::string> InstallPlaces::systemFolder(const char* folder) {
    const char* root = std::getenv("LUDEXA_SYSTEM_ROOT");
    if (root == nullptr || root[0] == '\0') {
        return std::string(folder);
    }
    const auto prefix = absolute(root);
    return prefix ? std::optional(*prefix + folder) : std::nullopt;
}

std::optional<std::string> InstallPlaces::dataFolder(int scope) {
    return scope == currentUser ? userFolder("XDG_DATA_HOME", "/.local/share")
                                : systemFolder("/usr/local/share");
}

std::optional<std::string> InstallPlaces::applications(int scope) {
    const auto data = dataFolder(scope);
    return data ? std::optional(*data + "/applications") : std::nullopt;
}

std::optional<std::string> InstallPlaces::store(int scope) {
    const auto config =
        scope == currentUser ? userFolder("XDG_CONFIG_HOME", "/.config") : systemFolder("/etc/xdg");
    return config ? std::optional(*config + "/GameExplorer") : std::nullopt;
}
