#pragma once

#include "DesktopEntry.h"
#include "Guid.h"

#include <cstdint>
#include <optional>
#include <string>

// The task folders of one registration: data folder + "/GameExplorer/" + the ID's text +
// "/PlayTasks" or "/SupportTasks" + "/" + index, each task a desktop entry named after it
// (the shortcut's analog: the target with its arguments, started in the target's folder).
class GameTasks {
public:
    static constexpr std::size_t maxNameLength = 63; // characters
    static constexpr std::size_t maxPathLength = 511;

    GameTasks(const Guid& id, int scope) : id_(id), scope_(scope) {}

    // Writes one task. Fails for a name that is empty, longer than 63 characters, not UTF-8
    // or holding a '/', and for paths longer than 511 characters; folders made before the
    // failure stay.
    bool create(bool support, std::int32_t index, const std::string& name,
                const std::string& target, const char* arguments) const;

    // Replaces the entry's actions by one per task on disk: play tasks first, by index.
    void attachTo(DesktopEntry& entry) const;

    // Deletes every task folder of the registration.
    void removeAll() const;

private:
    std::optional<std::string> root() const;

    Guid id_;
    int scope_;
};
