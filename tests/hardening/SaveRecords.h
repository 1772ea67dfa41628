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

// The two settings the utility's save loop changes in turn with its advanced settings task.
struct UtilitySettings {
    int sidedeckMode;
    const char* server;
};
inline constexpr UtilitySettings UtilitySaves[] = {{0, "first.example"}, {3, "second.example"}};

// The record the utility's save loop leaves after saving settings which: the first game
// record with those two advanced settings.
inline UserDataRecord::Bytes utilityRecord(int which) {
    UserDataRecord record = UserDataRecord::fromBytes(saveRecord(0));
    record.SidedeckSaveMode = UtilitySaves[which].sidedeckMode;
    record.MasterServer = UtilitySaves[which].server;
    return record.toBytes();
}
