#include "RecordBytes.h"
#include "UserDataRecord.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using RecordBytes::intAt;
using RecordBytes::setIntAt;

struct Field {
    const char* name;
    std::size_t offset;
    bool covered;
};

void PrintTo(const Field& f, std::ostream* os) {
    *os << f.name;
}

// Changes one field in the file without touching the stored checksum, as a player editing the
// file by hand would.
class ChecksumField : public testing::TestWithParam<Field> {};

TEST_P(ChecksumField, DetectsExactlyTheCampaignValues) {
    const Field& f = GetParam();
    for (const std::uint32_t delta : {1u, 0xFFFFFFFFu, 0x100u, 0x40000000u}) {
        UserDataRecord::Bytes bytes = UserDataRecord::defaults().toBytes();
        const auto changed = static_cast<std::uint32_t>(intAt(bytes, f.offset)) + delta;
        setIntAt(bytes, f.offset, static_cast<std::int32_t>(changed));
        EXPECT_EQ(UserDataRecord::fromBytes(bytes).checksumValid(), !f.covered) << delta;
    }
}

std::vector<Field> fields() {
    std::vector<Field> list = {
        {"Credits", 480, true},       {"Highscore", 484, true},  {"Level", 488, true},
        {"Losses", 492, true},        {"Wins", 496, true},       {"TempCredits", 500, true},
        {"VersionMajor", 0, false},   {"MusicFile", 164, false}, {"Reserved", 168, false},
        {"Port", 172, false},         {"OnlineID", 748, false},  {"SaveMode", 864, false},
        {"Sidedeck0", 784, false},    {"Sidedeck9", 820, false}, {"Campaign0", 824, false},
        {"Campaign9", 860, false},    {"Name", 596, false},      {"LanguageFile", 12, false},
        {"MasterServer", 176, false}, {"TempIP", 326, false},    {"Password", 752, false},
    };
    static const std::array<std::string, UserDataRecord::KindCount> cardNames = [] {
        std::array<std::string, UserDataRecord::KindCount> names;
        for (std::size_t i = 0; i < names.size(); ++i) {
            names[i] = "Card" + std::to_string(i);
        }
        return names;
    }();
    for (std::size_t i = 0; i < cardNames.size(); ++i) {
        list.push_back({cardNames[i].c_str(), 504 + 4 * i, true});
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Fields, ChecksumField, testing::ValuesIn(fields()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Checksum, DefaultRecordHasTheKnownChecksum) {
    EXPECT_EQ(UserDataRecord::defaults().computeChecksum(), -73);
    EXPECT_TRUE(UserDataRecord::defaults().checksumValid());
}

// Each term added to the checksum, evaluated by hand for one record.
TEST(Checksum, CombinesEveryTermByExclusiveOr) {
    UserDataRecord r{};
    r.Card[4] = 9;
    r.Level = 3;
    r.Highscore = 1000;
    r.Wins = 12;
    r.Credits = 250;
    r.Losses = 2;
    r.TempCredits = -40;
    std::int32_t expected = 0;
    for (std::int32_t i = 0; i < UserDataRecord::KindCount; ++i) {
        expected ^= r.Card[static_cast<std::size_t>(i)] + i;
    }
    expected ^= 3 ^ (1000 - 3) ^ (12 - 7) ^ (250 - 11) ^ (2 - 15) ^ (-40 - 20);
    EXPECT_EQ(r.computeChecksum(), expected);
}

// Values no game can produce still give a checksum instead of an arithmetic fault.
TEST(Checksum, WrapsAroundAtTheEdgesOfTheIntegerRange) {
    constexpr auto Min = std::numeric_limits<std::int32_t>::min();
    constexpr auto Max = std::numeric_limits<std::int32_t>::max();
    UserDataRecord r = UserDataRecord::defaults();
    r.Credits = Min;
    r.Card[22] = Max;
    r.TempCredits = Min + 5;
    const std::int32_t c = r.computeChecksum();
    r.Checksum = c;
    const UserDataRecord back = UserDataRecord::fromBytes(r.toBytes());
    EXPECT_TRUE(back.checksumValid());
    r.Credits = Max;
    EXPECT_NE(r.computeChecksum(), c);
}

} // namespace
