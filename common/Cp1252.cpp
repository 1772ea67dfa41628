#include "Cp1252.h"

#include <array>
#include <cstdint>

namespace {

// The code page's characters for the bytes 80 to 9F; the five bytes it leaves undefined keep
// their own value, as C1 control characters.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char Unmappable = '?';
constexpr char32_t Invalid = 0xFFFFFFFF;

char32_t toCodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return HighControls[byte - 0x80];
    }
    return byte;
}

char fromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return Unmappable;
}

// Length of the UTF-8 sequence a lead byte starts, 0 when it cannot start one.
std::size_t sequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Decodes one character at pos and advances pos past it; a malformed sequence yields Invalid
// and skips only its first byte, so the next character still decodes.
char32_t decodeOne(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(utf8[pos]);
    const std::size_t len = sequenceLength(lead);
    if (len == 0 || pos + len > utf8.size()) {
        ++pos;
        return Invalid;
    }
    char32_t cp = len == 1 ? lead : (lead & (0xFF >> (len + 1)));
    for (std::size_t i = 1; i < len; ++i) {
        const auto next = static_cast<std::uint8_t>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return Invalid;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    pos += len;
    return overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? Invalid : cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

namespace cp1252 {

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = decodeOne(utf8, pos);
        out += cp == Invalid ? Unmappable : fromCodePoint(cp);
    }
    return out;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        appendUtf8(out, toCodePoint(static_cast<std::uint8_t>(byte)));
    }
    return out;
}

} // namespace cp1252
