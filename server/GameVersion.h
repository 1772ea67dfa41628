#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A program version major.minor.revision. The game writes it as X.Y.Z on the command line of the
// server and, in its statistics, as one run of digits: the major number (one digit), the minor
// number and the revision (one digit) written one after the other, so 1.8.2 arrives as "182"
// and 1.10.2 as "1102".
struct GameVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;

    auto operator<=>(const GameVersion&) const = default;

    // "X.Y.Z", each part 0 to 999 without leading zeros.
    static std::optional<GameVersion> FromDotted(std::string_view text);
    // The statistics' digit run: 3 to 6 digits, no leading zero.
    static std::optional<GameVersion> FromDigitRun(std::string_view text);
    std::string Dotted() const;
};
