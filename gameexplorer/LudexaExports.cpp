// The four entry points on this platform, over the desktop's menu entries. Nothing leaves
// them but the result: every failure, an exception included, returns 0.
#include "Ludexa.h"

#include "GameRegistration.h"
#include "GameTasks.h"
#include "InstallPlaces.h"
#include "InstanceStore.h"

namespace {

// The library's only state: the ID of the registration made or loaded last in this process.
Guid instanceId;

// Scope 2 works in the current user's folders, every other scope in the system's, as the
// all-users folders serve every scope but the current user's on Windows.
int folderScope(int installScope) {
    return installScope == InstallPlaces::currentUser ? InstallPlaces::currentUser
                                                      : InstallPlaces::allUsers;
}

// A missing value name is the default value, as in the registry.
std::string valueText(const char* valueName) {
    return valueName == nullptr ? std::string() : std::string(valueName);
}

// The scope whose store holds the value: the current user's first, so that a user's own
// uninstaller finds a per-user installation before a system-wide one of the same name.
std::optional<int> scopeOf(const std::string& valueName) {
    for (const int scope : {InstallPlaces::currentUser, InstallPlaces::allUsers}) {
        if (InstanceStore(scope).contains(valueName)) {
            return scope;
        }
    }
    return std::nullopt;
}

// Loads the stored ID into instanceId; the registration it names, or nothing when the value
// cannot be read (then instanceId keeps its value, and no other game is touched by mistake).
std::optional<GameRegistration> load(const std::string& valueName, int scope) {
    const auto stored = InstanceStore(scope).read(valueName);
    if (!stored) {
        return std::nullopt;
    }
    instanceId = *stored;
    return GameRegistration(instanceId, scope);
}

bool add(const char* gdfPath, const char* installDir, int32_t installScope) {
    try {
        const auto registration = GameRegistration::add(gdfPath, installDir, installScope);
        if (registration) {
            instanceId = registration->id();
        }
        return registration.has_value();
    } catch (...) {
        return false;
    }
}

} // namespace

uint8_t GameExplorerAdd(const char* gdfPath, const char* installDir, int32_t installScope,
                        const char* valueName) {
    if (gdfPath == nullptr || installDir == nullptr) {
        return 0;
    }
    instanceId = Guid();
    const bool added = add(gdfPath, installDir, installScope);
    // Stored whether or not the game was added: a failed add leaves the all-zero ID behind.
    try {
        InstanceStore(folderScope(installScope)).write(valueText(valueName), instanceId);
    } catch (...) {
    }
    return added ? 1 : 0;
}

uint8_t GameExplorerRemove(const char* valueName) {
    try {
        const std::string name = valueText(valueName);
        const auto scope = scopeOf(name);
        if (!scope) {
            return 0;
        }
        const auto registration = load(name, *scope);
        const bool removed = registration && registration->remove();
        // The value goes also when the game could not be removed.
        InstanceStore(*scope).remove(name);
        return removed ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

uint8_t GameExplorerUpdate(const char* valueName) {
    try {
        const std::string name = valueText(valueName);
        const auto scope = scopeOf(name);
        const auto registration = scope ? load(name, *scope) : std::nullopt;
        return registration && registration->update() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

uint8_t GameExplorerCreateTask(int32_t installScope, uint8_t supportTask, int32_t taskIndex,
                               const char* taskName, const char* targetPath,
                               const char* arguments) {
    if (taskName == nullptr || targetPath == nullptr) {
        return 0;
    }
    try {
        const int scope = folderScope(installScope);
        const bool created =
            GameTasks(instanceId, scope)
                .create(supportTask != 0, taskIndex, taskName, targetPath, arguments);
        return created && GameRegistration(instanceId, scope).attachTasks() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
