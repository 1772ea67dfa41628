#pragma once

#include "UserDataRecord.h"

#include <cstdint>
#include <string>

// Reads and patches the raw file form of the record the way a foreign tool would, by offset.
namespace RecordBytes {

inline std::int32_t intAt(const UserDataRecord::Bytes& b, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(b[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

inline void setIntAt(UserDataRecord::Bytes& b, std::size_t offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        b[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
}

inline std::string textAt(const UserDataRecord::Bytes& b, std::size_t offset, std::size_t n) {
    return std::string(reinterpret_cast<const char*>(b.data() + offset), n);
}

} // namespace RecordBytes
