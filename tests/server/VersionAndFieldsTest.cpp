#include "AccountId.h"
#include "GameVersion.h"
#include "QueryFields.h"
#include "QueryString.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* text;
    std::optional<GameVersion> expected;
};

TEST(GameVersion, DottedFormsOnTheCommandLine) {
    const VersionCase cases[] = {
        {"1.8.2", GameVersion{1, 8, 2}}, {"1.10.0", GameVersion{1, 10, 0}},
        {"0.0.0", GameVersion{0, 0, 0}}, {"999.999.999", GameVersion{999, 999, 999}},
        {"1.8", std::nullopt},           {"1.8.2.1", std::nullopt},
        {"1..2", std::nullopt},          {"01.8.2", std::nullopt},
        {"1.8.-2", std::nullopt},        {"1.8.2 ", std::nullopt},
        {"1000.0.0", std::nullopt},      {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameVersion::FromDotted(c.text), c.expected) << c.text;
}

TEST(GameVersion, DigitRunsOfTheStatistics) {
    const VersionCase cases[] = {
        {"182", GameVersion{1, 8, 2}},
        {"180", GameVersion{1, 8, 0}},
        {"1102", GameVersion{1, 10, 2}},
        {"202", GameVersion{2, 0, 2}},
        {"99992", GameVersion{9, 999, 2}},
        {"18", std::nullopt},
        {"0182", std::nullopt},
        {"1x2", std::nullopt},
        {"1002", std::nullopt},
        {"1234567", std::nullopt},
        {"+182", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameVersion::FromDigitRun(c.text), c.expected) << c.text;
}

TEST(GameVersion, OrdersByMajorThenMinorThenRevision) {
    EXPECT_LT((GameVersion{1, 8, 2}), (GameVersion{1, 10, 0}));
    EXPECT_LT((GameVersion{1, 9, 9}), (GameVersion{2, 0, 0}));
    EXPECT_LT((GameVersion{1, 8, 0}), (GameVersion{1, 8, 2}));
    EXPECT_EQ((GameVersion{1, 10, 2}).Dotted(), "1.10.2");
}

TEST(AccountId, TheGameForms) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1},  {"0042", 42},  {"9999", 9999}, {"042", 42},  {"0000", {}},
        {"0", {}}, {"10000", {}}, {"00042", {}},  {"-1", {}},   {"4 2", {}},
        {"", {}},  {"12a", {}},   {"+42", {}},    {"0x10", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseAccountId(text), expected) << text;
}

TEST(QueryFields, ParametersCountOnlyWhenGivenOnce) {
    const std::multimap<std::string, std::string> query{
        {"id", "42"},     {"pw", "0123456789abcdef0123456789abcdef"},
        {"win", "1"},     {"win", "0"},
        {"level", "007"}, {"highscore", ""}};
    const QueryFields fields(query);
    EXPECT_EQ(fields.AccountId(), 42);
    EXPECT_EQ(fields.Digest(), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(fields.Number("win", 0, 1), std::nullopt);
    EXPECT_EQ(fields.Number("level", 1, 27), std::nullopt);
    EXPECT_EQ(fields.Number("highscore", 0, 10), std::nullopt);
    EXPECT_EQ(fields.Text("missing"), std::nullopt);
}

TEST(QueryFields, DigestIsExactlyThirtyTwoLowercaseHexDigits) {
    const std::pair<std::string, bool> cases[] = {
        {"0123456789abcdef0123456789abcdef", true},
        {"0123456789ABCDEF0123456789ABCDEF", false},
        {"0123456789abcdef0123456789abcde", false},
        {"0123456789abcdef0123456789abcdef0", false},
        {"0123456789abcdeg0123456789abcdef", false},
        {std::string("0123456789abcdef0123456789abcde\0", 32), false},
        {"", false},
    };
    for (const auto& [digest, valid] : cases) {
        const std::multimap<std::string, std::string> query{{"pw", digest}};
        EXPECT_EQ(QueryFields(query).Digest().has_value(), valid) << digest;
    }
}

TEST(ParseQuery, SplitsAtTheFirstEqualsSignAndDecodesEscapes) {
    const auto query = ParseQuery("/stats.php?mode=check&id=42&&pw=a%3Db=c&e%41sy=%00x&flag");
    ASSERT_TRUE(query);
    const QueryParams expected{{"mode", "check"},
                               {"id", "42"},
                               {"pw", "a=b=c"},
                               {"eAsy", std::string("\0x", 2)},
                               {"flag", ""}};
    EXPECT_EQ(*query, expected);
    EXPECT_EQ(ParseQuery("/stats.php"), QueryParams{});
}

TEST(ParseQuery, BrokenEscapesGiveNoParameters) {
    for (const char* target : {"/s?a=%", "/s?a=%4", "/s?a=%zz", "/s?%g1=1", "/s?a=1&b=%%41"})
        EXPECT_EQ(ParseQuery(target), std::nullopt) << target;
}

} // namespace
