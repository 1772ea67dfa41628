#pragma once

#include "UserDataRecord.h"

// The two records the save loop writes in turn: valid, and different in a campaign value.
inline UserDataRecord::Bytes saveRecord(int which) {
    UserDataRecord record = UserDataRecord::defaults();
    record.Credits = which == 0 ? 100 : 4321;
    record.Name = which == 0 ? "First" : "Second";
    record.Checksum = record.computeChecksum();
    return record.toBytes();
}
