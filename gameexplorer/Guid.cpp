#include "Guid.h"

#include <algorithm>
#include <random>

Guid Guid::random() {
    std::random_device source;
    Bytes bytes;
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(source());
    }
    // Data3's high nibble is the version (byte 7 in the little-endian layout); Data4's first
    // byte carries the variant.
    bytes[7] = static_cast<std::uint8_t>((bytes[7] & 0x0F) | 0x40);
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);
    return Guid(bytes);
}

bool Guid::isZero() const {
    return std::all_of(bytes_.begin(), bytes_.end(), [](std::uint8_t b) { return b == 0; });
}

std::string Guid::digits(bool upper) const {
    // Data1, Data2 and Data3 are little-endian, so their bytes are shown in reverse.
    static constexpr int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    const char* hex = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            out += '-';
        }
        const std::uint8_t b = bytes_[static_cast<std::size_t>(order[i])];
        out += hex[b >> 4];
        out += hex[b & 0x0F];
    }
    return out;
}

std::string Guid::text() const {
    return "{" + digits(true) + "}";
}

std::string Guid::fileId() const {
    return digits(false);
}
