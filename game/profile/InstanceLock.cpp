#include "profile/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString InstanceLock::defaultPath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data + QStringLiteral("/QueltaBrovel/User.dat.lock");
}

bool InstanceLock::acquire(const QString& path) {
    if (m_lock)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes a lock stale: a game may run for hours without touching the file.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    // Only a lock that another living program holds means "already started"; a folder we may
    // not write to says nothing about other instances, so the game still runs.
    return lock->error() != QLockFile::LockFailedError;
}

void InstanceLock::release() {
    m_lock.reset();
}
