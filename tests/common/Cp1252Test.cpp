#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* name;
    std::string utf8;
    std::string bytes;
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << c.name;
}

class Cp1252Conversion : public testing::TestWithParam<Conversion> {};

TEST_P(Cp1252Conversion, EncodesAndDecodes) {
    const Conversion& c = GetParam();
    EXPECT_EQ(cp1252::fromUtf8(c.utf8), c.bytes);
    EXPECT_EQ(cp1252::toUtf8(c.bytes), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp1252Conversion,
    testing::Values(Conversion{"Ascii", "Player 1", "Player 1"},
                    Conversion{"Latin1", "Caf\u00e9 \u00fc\u00df\u00ff", "Caf\xe9 \xfc\xdf\xff"},
                    Conversion{"Euro", "\u20ac", "\x80"},
                    Conversion{"Quotes", "\u201cx\u201d \u2018y\u2019", "\x93x\x94 \x91y\x92"},
                    Conversion{"DashesAndMarks", "\u2013\u2014\u2122\u0153\u0178",
                               "\x96\x97\x99\x9c\x9f"},
                    Conversion{"EmbeddedZero", std::string("a\0b", 3), std::string("a\0b", 3)},
                    Conversion{"Empty", "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const struct {
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"\u0416ack", "?ack"}, // Cyrillic
        {"x\u4e2dy", "x?y"},   // three-byte sequence
        {"\U0001F600!", "?!"}, // four-byte sequence
        {"a\xff"
         "b",
         "a?b"},               // byte that never starts a sequence
        {"a\xc3", "a?"},       // sequence cut off at the end
        {"a\xc3(b", "a?(b"},   // broken continuation keeps the next character
        {"\xe0\x80\xaf", "?"}, // overlong form of a slash
        {"\xed\xa0\x80", "?"}, // surrogate half
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252::fromUtf8(c.utf8), c.bytes) << c.utf8;
    }
}

} // namespace
