#include "Md5.h"

#include <gtest/gtest.h>

namespace {

struct Vector {
    std::string message;
    const char* digest;
};

void PrintTo(const Vector& v, std::ostream* os) {
    *os << v.message.size() << " bytes";
}

// The published test suite of the digest.
class Md5Standard : public testing::TestWithParam<Vector> {};

TEST_P(Md5Standard, MatchesThePublishedDigest) {
    EXPECT_EQ(MD5(GetParam().message), GetParam().digest);
    EXPECT_EQ(md5HexOfBytes(GetParam().message), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc1321, Md5Standard,
    testing::Values(
        Vector{"", "d41d8cd98f00b204e9800998ecf8427e"},
        Vector{"a", "0cc175b9c0f1b6a831c399e269772661"},
        Vector{"abc", "900150983cd24fb0d6963f7d28e17f72"},
        Vector{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        Vector{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        Vector{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
               "d174ab98d277d9f5a5611c2c9f419d9f"},
        Vector{"1234567890123456789012345678901234567890123456789012345678901234567890123456789"
               "0",
               "57edf4a22be3c955ac49da2e2107b67a"}));

// Lengths around the 64-byte block: the length field fits, spills into a second block, or the
// message fills blocks exactly.
class Md5BlockEdges : public testing::TestWithParam<Vector> {};

TEST_P(Md5BlockEdges, PadsEveryLengthCorrectly) {
    EXPECT_EQ(MD5(GetParam().message), GetParam().digest) << GetParam().message.size();
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, Md5BlockEdges,
    testing::Values(Vector{std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
                    Vector{std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
                    Vector{std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
                    Vector{std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
                    Vector{std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"},
                    Vector{std::string(127, 'a'), "020406e1d05cdc2aa287641f7ae2cc39"}));

TEST(Md5, DigestsTheCodePageBytesOfTheText) {
    EXPECT_EQ(MD5("\u00e9\u20ac"), md5HexOfBytes("\xe9\x80"));
    EXPECT_EQ(MD5("Caf\u00e9 \u0416"), md5HexOfBytes("Caf\xe9 ?"));
    EXPECT_EQ(MD5("\u00e9\u20ac"), "c17ca5490b95aa07bb32d9127125086f");
}

} // namespace
