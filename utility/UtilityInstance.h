#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running utility per user: a lock file in the game's per-user data folder, held while the
// utility runs. A lock whose program has died is taken over.
class UtilityInstance {
public:
    // False when another running utility holds the lock. A folder where no lock can be made
    // says nothing about other instances, so the utility then runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
