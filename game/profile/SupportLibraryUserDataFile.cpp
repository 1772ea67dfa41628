#include "profile/SupportLibraryUserDataFile.h"

#include "profile/SupportLibraryPath.h"
#include "shell/Ports.h"

#include <QCoreApplication>

namespace {
// Our number for "the support library could not be used".
constexpr long SupportLibraryMissing = 48;
} // namespace

SupportLibraryUserDataFile::SupportLibraryUserDataFile(QString folder)
    : m_folder(std::move(folder)) {
}

std::int32_t SupportLibraryUserDataFile::Get(UserDataRecord::Bytes& buffer) {
    if (!bind(QStringLiteral("GetUserData")))
        return -1;
    return m_get(buffer.data());
}

std::int32_t SupportLibraryUserDataFile::Set(const UserDataRecord::Bytes& buffer) {
    if (!bind(QStringLiteral("SetUserData")))
        return -1;
    // The library only reads the buffer when writing; its interface is the same for both calls.
    UserDataRecord::Bytes copy = buffer;
    return m_set(copy.data());
}

bool SupportLibraryUserDataFile::bind(const QString& caller) {
    if (m_bindTried)
        return m_get && m_set;
    m_bindTried = true;
    const QString folder = m_folder.isEmpty() ? QCoreApplication::applicationDirPath() : m_folder;
    m_library.setFileName(SupportLibraryPath(folder));
    m_get = reinterpret_cast<RecordFunction>(m_library.resolve("GetUserData"));
    m_set = reinterpret_cast<RecordFunction>(m_library.resolve("SetUserData"));
    if (m_get && m_set)
        return true;
    ReportError(SupportLibraryMissing, caller, m_library.errorString());
    return false;
}
