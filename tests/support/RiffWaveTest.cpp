#include "RiffWave.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void put(Bytes& b, std::uint32_t v, int width) {
    for (int i = 0; i < width; ++i) {
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
}

void tag(Bytes& b, const std::string& fourCC) {
    b.insert(b.end(), fourCC.begin(), fourCC.end());
}

struct Spec {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::uint32_t dataBytes = 8;
    bool extraChunk = false; // an odd-sized chunk before the format, padded to even
};

// A RIFF/WAVE file built field by field, so each case can break exactly one thing.
Bytes wave(const Spec& s) {
    Bytes chunks;
    if (s.extraChunk) {
        tag(chunks, "LIST");
        put(chunks, 3, 4);
        tag(chunks, "abc");
        chunks.push_back(0);
    }
    tag(chunks, "fmt ");
    put(chunks, 16, 4);
    put(chunks, s.formatTag, 2);
    put(chunks, s.channels, 2);
    put(chunks, s.rate, 4);
    put(chunks, s.rate * s.channels * s.bits / 8, 4);
    put(chunks, static_cast<std::uint32_t>(s.channels * s.bits / 8), 2);
    put(chunks, s.bits, 2);
    tag(chunks, "data");
    put(chunks, s.dataBytes, 4);
    for (std::uint32_t i = 0; i < s.dataBytes; ++i) {
        chunks.push_back(static_cast<unsigned char>(i + 1));
    }
    Bytes file;
    tag(file, "RIFF");
    put(file, static_cast<std::uint32_t>(chunks.size() + 4), 4);
    tag(file, "WAVE");
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

TEST(RiffWave, ReadsFormatAndSamples) {
    const Bytes file = wave(Spec{.extraChunk = true});
    const auto parsed = RiffWave::parse(file);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->channels, 1);
    EXPECT_EQ(parsed->sampleRate, 22050u);
    EXPECT_EQ(parsed->bitsPerSample, 16);
    EXPECT_EQ(Bytes(parsed->samples.begin(), parsed->samples.end()),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(RiffWave, KeepsOnlyWholeFrames) {
    const Bytes file = wave(Spec{.channels = 2, .dataBytes = 11});
    const auto parsed = RiffWave::parse(file);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->samples.size(), 8u);
}

TEST(RiffWave, RefusesWhatTheMixerCannotPlay) {
    const struct {
        const char* why;
        Spec spec;
    } cases[] = {
        {"compressed", Spec{.formatTag = 2}},   {"no channels", Spec{.channels = 0}},
        {"six channels", Spec{.channels = 6}},  {"24-bit", Spec{.bits = 24}},
        {"no samples", Spec{.dataBytes = 0}},   {"rate zero", Spec{.rate = 0}},
        {"half a frame", Spec{.dataBytes = 1}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(RiffWave::parse(wave(c.spec)).has_value()) << c.why;
    }
}

TEST(RiffWave, RefusesDamagedFiles) {
    const Bytes good = wave(Spec{});
    std::vector<std::pair<const char*, Bytes>> cases;
    cases.emplace_back("empty", Bytes{});
    cases.emplace_back("header only", Bytes(good.begin(), good.begin() + 12));
    cases.emplace_back("cut in the data", Bytes(good.begin(), good.end() - 3));
    Bytes notRiff = good;
    notRiff[0] = 'X';
    cases.emplace_back("not RIFF", notRiff);
    Bytes notWave = good;
    notWave[8] = 'X';
    cases.emplace_back("not WAVE", notWave);
    Bytes hugeChunk = good;
    hugeChunk[16] = 0xFF; // the format chunk claims far more bytes than there are
    hugeChunk[17] = 0xFF;
    cases.emplace_back("chunk past the end", hugeChunk);
    Bytes tinyForm = good;
    tinyForm[4] = 2; // declared form shorter than its own type
    tinyForm[5] = tinyForm[6] = tinyForm[7] = 0;
    cases.emplace_back("form too short", tinyForm);
    Bytes unpadded;
    tag(unpadded, "RIFF");
    put(unpadded, 15, 4);
    tag(unpadded, "WAVE");
    tag(unpadded, "LIST"); // an odd-sized last chunk whose pad byte is missing
    put(unpadded, 3, 4);
    tag(unpadded, "abc");
    cases.emplace_back("odd last chunk without its pad byte", unpadded);
    for (const auto& [why, bytes] : cases) {
        EXPECT_FALSE(RiffWave::parse(bytes).has_value()) << why;
    }
}

} // namespace
