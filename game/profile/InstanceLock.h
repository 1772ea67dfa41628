#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running game per profile: a lock file beside User.dat, held while the program runs and
// released when it ends. A lock left behind by a program that crashed is recognised as stale
// (its process is gone) and taken over.
class InstanceLock {
public:
    // The lock file of the profile in the platform's per-user data folder.
    static QString defaultPath();

    // False only when another running program holds the lock at path. True when this program
    // now holds it (or held it already), and also when the lock cannot be made at all (an
    // unwritable folder), which held() then tells. A missing folder is created first.
    bool acquire(const QString& path);
    void release();
    bool held() const { return m_lock != nullptr; }

private:
    std::unique_ptr<QLockFile> m_lock;
};
