#pragma once

#include "UserDataRecord.h"

#include <QString>
#include <cstdint>

// Where the 868 bytes of User.dat come from and go to. The game and the maintenance utility use
// the support library; tests and the simulator keep the file in memory. Result codes: 0 ok,
// -1 cannot open or create, -2 read or write failed, -3 short read or write.
class RecordFile {
public:
    virtual ~RecordFile() = default;
    virtual std::int32_t Get(UserDataRecord::Bytes& buffer) = 0;
    virtual std::int32_t Set(const UserDataRecord::Bytes& buffer) = 0;
    // The file's full path, for messages that tell the player which file is meant; empty where
    // the record is not kept in a file.
    virtual QString Location() const { return {}; }
};
