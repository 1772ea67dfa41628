#pragma once

#include "DesktopEntry.h"
#include "Guid.h"

#include <optional>
#include <string>

// The desktop's stand-in for a game registry: a registered game is a menu entry in the
// scope's applications folder, named after its instance ID and made from its definition file.
// The entry remembers the program it was read from and the installation folder, so that an
// update can read the definition file again.
class GameRegistration {
public:
    GameRegistration(const Guid& id, int scope) : id_(id), scope_(scope) {}

    // Registers the game carried by the program at gdfPath, installed in installDir, under a
    // new random ID. Fails for scopes other than the current user's and all users', for an
    // installation folder that does not exist and for a program without a definition file.
    static std::optional<GameRegistration> add(const std::string& gdfPath,
                                               const std::string& installDir, int scope);

    const Guid& id() const { return id_; }

    // Rewrites the entry from the definition file, keeping its tasks; fails when the game is
    // not registered or its definition file can no longer be read.
    bool update() const;

    // Deletes the entry and the task folders; fails when the game is not registered.
    bool remove() const;

    // Gives the entry an action for every task on disk; a game that is not registered needs
    // none, which is no failure.
    bool attachTasks() const;

private:
    std::optional<std::string> entryPath() const;
    bool write(const std::string& gdfPath, const std::string& installDir) const;

    Guid id_;
    int scope_;
};
