#pragma once

#include "binding/RecordFile.h"
#include "binding/SupportLibrary.h"

#include <QString>
#include <functional>
#include <memory>

// User.dat through the support library. When the library cannot be bound, the failure is told
// once, naming the first function asked for and the loader's reason, and every call answers -1,
// as if the file could not be opened.
class SupportRecordFile : public RecordFile {
public:
    using BindFailure = std::function<void(const QString& function, const QString& reason)>;

    explicit SupportRecordFile(std::shared_ptr<SupportLibrary> library,
                               BindFailure onBindFailure = {});

    std::int32_t Get(UserDataRecord::Bytes& buffer) override;
    std::int32_t Set(const UserDataRecord::Bytes& buffer) override;
    // The per-user data folder the support library uses, its QueltaBrovel folder, User.dat.
    QString Location() const override;

private:
    bool bound(const QString& function);

    std::shared_ptr<SupportLibrary> m_library;
    BindFailure m_onBindFailure;
    bool m_failureTold = false;
};
