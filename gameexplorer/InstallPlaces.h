#pragma once

#include <optional>
#include <string>

// Where registrations live, by install scope. The current user's scope uses the XDG base
// folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME, or their defaults below $HOME); every other
// scope uses the system's folders below /usr/local/share and /etc/xdg. LUDEXA_SYSTEM_ROOT, when
// set, is put in front of the system folders, so a test or a packaging run can register into a
// folder of its own instead of the machine's.
class InstallPlaces {
public:
    static constexpr int currentUser = 2;
    static constexpr int allUsers = 3;

    // The data folder the scope's menu entries and task folders go under (the analog of the
    // local or all-users application data folder), or nothing when it cannot be found.
    static std::optional<std::string> dataFolder(int scope);

    // The folder of the scope's menu entries: dataFolder + "/applications".
    static std::optional<std::string> applications(int scope);

    // The folder of the stored instance IDs: the scope's configuration folder +
    // "/GameExplorer".
    static std::optional<std::string> store(int scope);

private:
    static std::optional<std::string> userFolder(const char* variable, const char* fallback);
    static std::optional<std::string> systemFolder(const char* folder);
};
