#include "Md5.h"

#include "Cp1252.h"

#include <array>
#include <cstdint>

namespace {

using Word = std::uint32_t;
using Block = std::array<Word, 16>;

// Per-round shift amounts and the sine-derived additive constants of the published digest.
constexpr std::array<int, 16> Shifts = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};
constexpr std::array<Word, 64> Sines = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

Word rotateLeft(Word x, int n) {
    return (x << n) | (x >> (32 - n));
}

// The mixing function and message word of step i (0..63).
Word mix(int i, Word b, Word c, Word d, std::size_t& wordIndex) {
    const auto step = static_cast<std::size_t>(i);
    switch (i / 16) {
    case 0:
        wordIndex = step;
        return (b & c) | (~b & d);
    case 1:
        wordIndex = (5 * step + 1) % 16;
        return (d & b) | (~d & c);
    case 2:
        wordIndex = (3 * step + 5) % 16;
        return b ^ c ^ d;
    default:
        wordIndex = (7 * step) % 16;
        return c ^ (b | ~d);
    }
}

void transform(std::array<Word, 4>& state, const Block& x) {
    Word a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        std::size_t k = 0;
        const Word f = mix(i, b, c, d, k);
        const int shift = Shifts[static_cast<std::size_t>((i / 16) * 4 + i % 4)];
        const Word rotated = rotateLeft(a + f + Sines[static_cast<std::size_t>(i)] + x[k], shift);
        a = d;
        d = c;
        c = b;
        b += rotated;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

// The message followed by one 80 byte, zero bytes up to 56 mod 64 and the bit length as a
// 64-bit little-endian number.
std::string padded(std::string_view bytes) {
    std::string message(bytes);
    const std::uint64_t bitLength = static_cast<std::uint64_t>(bytes.size()) * 8;
    message += static_cast<char>(0x80);
    while (message.size() % 64 != 56) {
        message += '\0';
    }
    for (int i = 0; i < 8; ++i) {
        message += static_cast<char>((bitLength >> (8 * i)) & 0xFF);
    }
    return message;
}

Block blockAt(const std::string& message, std::size_t offset) {
    Block x{};
    for (std::size_t j = 0; j < 64; ++j) {
        const auto byte = static_cast<std::uint8_t>(message[offset + j]);
        x[j / 4] |= static_cast<Word>(byte) << (8 * (j % 4));
    }
    return x;
}

std::string hexLittleEndian(const std::array<Word, 4>& state) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (const Word w : state) {
        for (int i = 0; i < 4; ++i) {
            const auto byte = (w >> (8 * i)) & 0xFF;
            hex += Digits[byte >> 4];
            hex += Digits[byte & 0x0F];
        }
    }
    return hex;
}

} // namespace

std::string md5HexOfBytes(std::string_view bytes) {
    std::array<Word, 4> state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    const std::string message = padded(bytes);
    for (std::size_t offset = 0; offset < message.size(); offset += 64) {
        transform(state, blockAt(message, offset));
    }
    return hexLittleEndian(state);
}

std::string MD5(std::string_view utf8Text) {
    return md5HexOfBytes(cp1252::fromUtf8(utf8Text));
}
