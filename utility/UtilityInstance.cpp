#include "UtilityInstance.h"

#include <QDir>
#include <QStandardPaths>

bool UtilityInstance::acquire() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/QueltaBrovel");
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/QueltaBrovelUtility.lock"));
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
}
