#include "binding/SupportRecordFile.h"

#include <QDir>
#include <QStandardPaths>

SupportRecordFile::SupportRecordFile(std::shared_ptr<SupportLibrary> library,
                                     BindFailure onBindFailure)
    : m_library(std::move(library)), m_onBindFailure(std::move(onBindFailure)) {
}

std::int32_t SupportRecordFile::Get(UserDataRecord::Bytes& buffer) {
    if (!bound(QStringLiteral("GetUserData")))
        return -1;
    return m_library->GetUserData(buffer);
}

std::int32_t SupportRecordFile::Set(const UserDataRecord::Bytes& buffer) {
    if (!bound(QStringLiteral("SetUserData")))
        return -1;
    return m_library->SetUserData(buffer);
}

QString SupportRecordFile::Location() const {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::toNativeSeparators(data + QStringLiteral("/QueltaBrovel/User.dat"));
}

bool SupportRecordFile::bound(const QString& function) {
    if (m_library->load())
        return true;
    if (!m_failureTold && m_onBindFailure)
        m_onBindFailure(function, m_library->errorString());
    m_failureTold = true;
    return false;
}
