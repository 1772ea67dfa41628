#pragma once

#include <QString>

// The utility's own version, independent of the game's.
namespace UtilityVersion {

constexpr int Major = 1;
constexpr int Minor = 4;
inline const QString Title = QStringLiteral("Quelta Brovel Utility");

} // namespace UtilityVersion
