#pragma once

#include "Guid.h"

#include <optional>
#include <string>

// The stored instance IDs of one scope, standing for the registry values an installer names:
// one file per value in the scope's store folder, holding the ID's 16 bytes. The value name
// becomes the file name with every byte other than letters, digits, '-', '_' and a '.' that
// does not lead percent-encoded; the empty (default) name is stored as "@".
class InstanceStore {
public:
    explicit InstanceStore(int scope) : scope_(scope) {}

    bool write(const std::string& valueName, const Guid& id) const;

    // The stored ID, or nothing when the value is missing or not 16 bytes long.
    std::optional<Guid> read(const std::string& valueName) const;

    bool contains(const std::string& valueName) const;
    bool remove(const std::string& valueName) const;

    static std::string fileName(const std::string& valueName);

private:
    std::optional<std::string> path(const std::string& valueName) const;

    int scope_;
};
