#pragma once

#include <array>
#include <cstdint>
#include <string>

// A 16-byte instance ID in the layout it has in memory on Windows: a 32-bit, two 16-bit
// little-endian fields and eight plain bytes. That layout is what the installer's stored value
// holds, so the bytes are kept as they are and the fields only read when shown as text.
class Guid {
public:
    using Bytes = std::array<std::uint8_t, 16>;

    Guid() = default; // all zeros: nothing registered
    explicit Guid(const Bytes& bytes) : bytes_(bytes) {}

    // A new random ID (version 4), from the system's random source.
    static Guid random();

    const Bytes& bytes() const { return bytes_; }
    bool isZero() const;

    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with upper-case digits, the form the task
    // folders are named by.
    std::string text() const;

    // The same digits in lower case without braces: a name fit for a desktop file ID.
    std::string fileId() const;

private:
    std::string digits(bool upper) const;

    Bytes bytes_{};
};
