#pragma once

#include <cstdint>
#include <string>

// User.dat, moved between a caller's 868-byte buffer and the disk in one piece. The library
// knows nothing of the record's fields.
class UserDataFile {
public:
    static constexpr std::size_t Size = 868;

    // Result codes shared with the game and the utility.
    static constexpr std::int32_t Done = 0;
    static constexpr std::int32_t CannotOpen = -1;
    static constexpr std::int32_t IoFailed = -2;
    static constexpr std::int32_t Incomplete = -3;

    // $XDG_DATA_HOME/QueltaBrovel/User.dat, else ~/.local/share/QueltaBrovel/User.dat, else
    // User.dat in the current folder when there is no usable data folder. Decided at the first
    // call of the process; the folders are created then.
    static const std::string& path();

    static std::int32_t read(std::uint8_t* buffer);
    // Writes a temporary file beside User.dat, flushes it to the disk and renames it over
    // User.dat, so a crash or a full disk never leaves a half-written file behind.
    static std::int32_t write(const std::uint8_t* buffer);

private:
    static std::string locate();
};
