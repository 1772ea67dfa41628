#include "UserDataRecord.h"
#include "RecordBytes.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using RecordBytes::intAt;
using RecordBytes::setIntAt;
using RecordBytes::textAt;

std::string padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

TEST(UserDataRecord, DefaultIntegersSitAtTheirOffsets) {
    const auto bytes = UserDataRecord::defaults().toBytes();
    const struct {
        std::size_t offset;
        std::int32_t value;
    } fields[] = {
        {0, 1},     {4, 8},    {8, 2},   {164, 1}, {168, 0}, {172, 333}, {476, -73},
        {480, 100}, {484, 25}, {488, 1}, {492, 0}, {496, 0}, {500, 0},   {748, 0},
        {784, -1},  {824, -1}, {864, 1}, {504, 1}, {540, 1}, {544, 0},   {592, 0},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(intAt(bytes, f.offset), f.value) << "offset " << f.offset;
    }
    for (std::size_t offset = 788; offset < 824; offset += 4) {
        EXPECT_EQ(intAt(bytes, offset), 0) << "offset " << offset;
    }
}

TEST(UserDataRecord, DefaultTextsArePaddedAndThePasswordIsNeverWritten) {
    const auto bytes = UserDataRecord::defaults().toBytes();
    EXPECT_EQ(textAt(bytes, 12, 150), padded("English.ini", 150));
    EXPECT_EQ(textAt(bytes, 176, 150), padded(UserDataRecord::DefaultMasterServer, 150));
    EXPECT_EQ(textAt(bytes, 326, 150), padded("127.0.0.1", 150));
    EXPECT_EQ(textAt(bytes, 596, 150), padded("Player", 150));
    EXPECT_EQ(textAt(bytes, 752, 32), std::string(32, '\0'));
    EXPECT_EQ(textAt(bytes, 162, 2), std::string(2, '\0'));
    EXPECT_EQ(textAt(bytes, 746, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes[476], 0xB7);
    EXPECT_EQ(bytes[477], 0xFF);
}

TEST(UserDataRecord, DefaultRecordSurvivesARoundTrip) {
    const UserDataRecord defaults = UserDataRecord::defaults();
    const UserDataRecord back = UserDataRecord::fromBytes(defaults.toBytes());
    EXPECT_EQ(back, defaults);
    EXPECT_EQ(back.OnlinePassword.size(), 32u);
    EXPECT_TRUE(back.checksumValid());
}

// Any file a foreign tool wrote comes back byte for byte after reading and writing it, as long
// as the two alignment gaps are zero (they are never read).
TEST(UserDataRecord, ArbitraryBytesSurviveReadAndWrite) {
    std::mt19937 random(20);
    for (int round = 0; round < 50; ++round) {
        UserDataRecord::Bytes bytes{};
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        for (const std::size_t gap : {162u, 163u, 746u, 747u}) {
            bytes[gap] = 0;
        }
        EXPECT_EQ(UserDataRecord::fromBytes(bytes).toBytes(), bytes) << "round " << round;
    }
}

TEST(UserDataRecord, TextFieldsArePaddedOrCutToTheirWidth) {
    UserDataRecord r = UserDataRecord::defaults();
    r.Name = "Ann";
    r.LanguageFile = std::string(200, 'x');
    r.TempIP = "10.0.0.1  ";
    const auto bytes = r.toBytes();
    EXPECT_EQ(textAt(bytes, 596, 150), padded("Ann", 150));
    EXPECT_EQ(textAt(bytes, 12, 150), std::string(150, 'x'));
    EXPECT_EQ(bytes[162], 0) << "a cut text must not run into the next field";

    const UserDataRecord back = UserDataRecord::fromBytes(bytes);
    EXPECT_EQ(back.Name, "Ann");
    EXPECT_EQ(back.LanguageFile, std::string(150, 'x'));
    EXPECT_EQ(back.TempIP, "10.0.0.1");
}

TEST(UserDataRecord, TextsAreStoredInTheCodePage) {
    UserDataRecord r = UserDataRecord::defaults();
    r.Name = "Ren\u00e9e \u20ac\u0416";
    const auto bytes = r.toBytes();
    EXPECT_EQ(textAt(bytes, 596, 8), "Ren\xe9"
                                     "e \x80?");
    EXPECT_EQ(UserDataRecord::fromBytes(bytes).Name, "Ren\u00e9e \u20ac?");
}

TEST(UserDataRecord, PasswordKeepsAllItsCharactersOnReading) {
    UserDataRecord r = UserDataRecord::defaults();
    r.OnlinePassword = "abc";
    const UserDataRecord back = UserDataRecord::fromBytes(r.toBytes());
    EXPECT_EQ(back.OnlinePassword, padded("abc", 32));

    r.OnlinePassword = std::string(40, 'f');
    EXPECT_EQ(UserDataRecord::fromBytes(r.toBytes()).OnlinePassword, std::string(32, 'f'));
}

TEST(UserDataRecord, ZeroBytesOfANeverWrittenFieldAreKept) {
    UserDataRecord::Bytes bytes = UserDataRecord::defaults().toBytes();
    std::fill(bytes.begin() + 596, bytes.begin() + 746, std::uint8_t{0});
    const UserDataRecord r = UserDataRecord::fromBytes(bytes);
    EXPECT_EQ(r.Name, std::string(150, '\0'));
    EXPECT_EQ(r.toBytes(), bytes);
}

TEST(UserDataRecord, ReservedFieldSurvivesReadModifyWrite) {
    for (const std::int32_t foreign : {0x7A5A5A5A, -1, 12345}) {
        UserDataRecord::Bytes bytes = UserDataRecord::defaults().toBytes();
        setIntAt(bytes, 168, foreign);
        UserDataRecord r = UserDataRecord::fromBytes(bytes);
        r.Port = 4000;
        r.Name = "Someone else";
        r.Credits = 5;
        r.Checksum = r.computeChecksum();
        EXPECT_EQ(intAt(r.toBytes(), 168), foreign);
    }
}

} // namespace
