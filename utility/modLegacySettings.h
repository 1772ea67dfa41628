#pragma once

#include "UserDataRecord.h"

#include <QString>
#include <optional>

class LegacyStore;

// How the older versions' settings become a User.dat record.
namespace modLegacySettings {

// The MD5 check value the older versions kept as "CHK": the owned cards and the campaign values
// written one after the other in decimal, in their fixed order.
QString LegacyCheckValue(const UserDataRecord& record);

// A record of zero bytes filled from every legacy value: the music choice 4 of the older
// versions means no music, a blank master server the default one, and neither saved side deck
// is taken over. Nothing when a number value is missing, empty or not a 32-bit number. The
// version stamp stays 0.0.0 and the checksum 0: the caller decides whether the values count.
std::optional<UserDataRecord> ReadRecord(const LegacyStore& store);

} // namespace modLegacySettings
