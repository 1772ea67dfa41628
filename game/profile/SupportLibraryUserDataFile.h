#pragma once

#include "profile/clsStore.h"

#include <QLibrary>
#include <QString>

// User.dat through the support library in the program's folder. The library is bound by name at
// the first read or write; when it cannot be loaded the failure is reported once and every call
// answers -1, as if the file could not be opened.
class SupportLibraryUserDataFile : public UserDataFile {
public:
    // folder: where the support library lives; empty means the program's folder.
    explicit SupportLibraryUserDataFile(QString folder = {});

    std::int32_t Get(UserDataRecord::Bytes& buffer) override;
    std::int32_t Set(const UserDataRecord::Bytes& buffer) override;

private:
    using RecordFunction = std::int32_t (*)(void* buffer);

    bool bind(const QString& caller);

    QString m_folder;
    QLibrary m_library;
    bool m_bindTried = false;
    RecordFunction m_get = nullptr;
    RecordFunction m_set = nullptr;
};
