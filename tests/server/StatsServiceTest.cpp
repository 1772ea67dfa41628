#include "StatsService.h"
#include "EngineTest.h"
#include "Md5.h"
#include "PasswordHash.h"

#include <thread>

namespace {
using namespace std::chrono_literals;

const std::string Secret = MD5("geheim");
const std::string Wrong = MD5("falsch");

class StatsServiceTest : public EngineTest {
protected:
    void SetUp() override {
        ASSERT_GE(sodium_init(), 0);
        EngineTest::SetUp();
        storage = OpenStorage(database->Url());
        storage->SetAccount(42, PasswordHash::Hash(Secret));
    }

    StatsService service(FailureThrottle::Clock::duration firstDelay = 1s) {
        return StatsService(*storage, GameVersion{1, 9, 0}, GameVersion{1, 8, 0}, firstDelay);
    }

    static QueryParams report(std::map<std::string, std::string> changes = {}) {
        std::map<std::string, std::string> fields{
            {"mode", "stats"}, {"id", "42"},      {"pw", Secret}, {"highscore", "1500"},
            {"win", "1"},      {"GameType", "2"}, {"level", "5"}, {"ver", "182"}};
        for (auto& [name, value] : changes)
            if (value == "<none>")
                fields.erase(name);
            else
                fields[name] = value;
        return {fields.begin(), fields.end()};
    }

    static QueryParams check(const std::string& id, const std::string& pw) {
        return {{"mode", "check"}, {"id", id}, {"pw", pw}};
    }

    std::unique_ptr<Storage> storage;
};

TEST_P(StatsServiceTest, AccountCheckAnswers) {
    StatsService stats = service(0s);
    EXPECT_EQ(stats.Answer(check("42", Secret)), "1");
    EXPECT_EQ(stats.Answer(check("0042", Secret)), "1");
    EXPECT_EQ(stats.Answer(check("42", Secret)), "1") << "and again from the remembered digest";
    const std::pair<QueryParams, const char*> refused[] = {
        {check("42", Wrong), "wrong password"},
        {check("43", Secret), "unknown ID"},
        {check("0000", Secret), "no account"},
        {check("42", "5EBE2294ECD0E0F08EAB7690D2A6EE69"), "upper-case digest"},
        {check("42", "geheim"), "password instead of its digest"},
        {{{"mode", "check"}, {"id", "42"}}, "no password"},
        {{{"mode", "check"}, {"id", "42"}, {"id", "43"}, {"pw", Secret}}, "two IDs"},
    };
    for (const auto& [query, why] : refused)
        EXPECT_EQ(stats.Answer(query), "0") << why;
}

TEST_P(StatsServiceTest, AReportIsStoredWithEveryValue) {
    StatsService stats = service();
    EXPECT_EQ(stats.Answer(report()), "1");
    EXPECT_EQ(stats.Answer(report({{"win", "0"}, {"GameType", "0"}, {"highscore", "0"}})), "1");
    EXPECT_EQ(storage->ReportCount(), 2);
    EXPECT_EQ(storage->BestHighscores(1).at(0).highscore, 1500);
    const auto tallies = storage->Tallies();
    ASSERT_EQ(tallies.size(), 2u);
    EXPECT_EQ(tallies[0].gameType, 0);
    EXPECT_EQ(tallies[0].lost, 1);
    EXPECT_EQ(tallies[1].gameType, 2);
    EXPECT_EQ(tallies[1].won, 1);
}

TEST_P(StatsServiceTest, RefusedReportsStoreNothing) {
    StatsService stats = service(0s);
    const std::pair<std::map<std::string, std::string>, const char*> refusals[] = {
        {{{"ver", "172"}}, "5"},
        {{{"ver", "179"}}, "5"},
        {{{"highscore", "-1"}}, "2"},
        {{{"highscore", "2147483648"}}, "2"},
        {{{"highscore", "01"}}, "2"},
        {{{"highscore", "1e3"}}, "2"},
        {{{"win", "2"}}, "2"},
        {{{"win", "-0"}}, "2"},
        {{{"GameType", "3"}}, "2"},
        {{{"level", "0"}}, "2"},
        {{{"level", "28"}}, "2"},
        {{{"ver", "18"}}, "2"},
        {{{"ver", "abc"}}, "2"},
        {{{"ver", "0182"}}, "2"},
        {{{"id", "10000"}}, "2"},
        {{{"id", "0000"}}, "2"},
        {{{"pw", "x"}}, "2"},
        {{{"level", "<none>"}}, "2"},
        {{{"GameType", "<none>"}}, "2"},
        {{{"gametype", "2"}, {"GameType", "<none>"}}, "2"},
        {{{"id", "43"}}, "3"},
        {{{"pw", Wrong}}, "3"},
        {{{"highscore", "1' OR '1'='1"}}, "2"},
    };
    for (const auto& [changes, answer] : refusals)
        EXPECT_EQ(stats.Answer(report(changes)), answer)
            << changes.begin()->first << "=" << changes.begin()->second;
    QueryParams twice = report();
    twice.emplace("win", "0");
    EXPECT_EQ(stats.Answer(twice), "2");
    EXPECT_EQ(stats.Answer({{"mode", "delete"}}), "2");
    EXPECT_EQ(stats.Answer({}), "2");
    EXPECT_EQ(storage->ReportCount(), 0);
}

TEST_P(StatsServiceTest, TheOldestAcceptedVersionItselfMayReport) {
    StatsService stats = service();
    EXPECT_EQ(stats.Answer(report({{"ver", "180"}})), "1");
    EXPECT_EQ(stats.Answer(report({{"ver", "1102"}})), "1");
}

TEST_P(StatsServiceTest, RepeatedFailedChecksOfAnIdAreSlowedDown) {
    StatsService stats = service(400ms);
    EXPECT_EQ(stats.Answer(check("42", Wrong)), "0");
    EXPECT_EQ(stats.Answer(check("42", Secret)), "0") << "even the right password waits";
    EXPECT_EQ(stats.Answer(report()), "4");
    storage->SetAccount(77, PasswordHash::Hash(Secret));
    EXPECT_EQ(stats.Answer(check("77", Secret)), "1") << "other IDs are not held up";
    std::this_thread::sleep_for(450ms);
    EXPECT_EQ(stats.Answer(report()), "1");
    EXPECT_EQ(storage->ReportCount(), 1);
}

TEST_P(StatsServiceTest, ARememberedDigestIsDroppedWhenTheAccountChanges) {
    StatsService stats = service(0s);
    ASSERT_EQ(stats.Answer(report()), "1");
    const std::string renewed = MD5("neu");
    storage->SetAccount(42, PasswordHash::Hash(renewed));
    EXPECT_EQ(stats.Answer(report()), "3") << "the old password no longer counts";
    EXPECT_EQ(stats.Answer(check("42", Secret)), "0");
    EXPECT_EQ(stats.Answer(report({{"pw", renewed}})), "1");
    storage->RemoveAccount(42);
    EXPECT_EQ(stats.Answer(report({{"pw", renewed}})), "3");
    storage->SetAccount(42, PasswordHash::Hash(renewed));
    EXPECT_EQ(stats.Answer(report({{"pw", renewed}})), "1") << "added again, checked again";
    EXPECT_EQ(storage->ReportCount(), 1) << "the first reports went with the removed account";
}

TEST_P(StatsServiceTest, UpdateCheckAnswers) {
    StatsService stats = service();
    const std::pair<std::array<const char*, 3>, const char*> cases[] = {
        {{"1", "8", "2"}, "newver1.9.0"},
        {{"1", "9", "0"}, "FALSE"},
        {{"1", "10", "0"}, "newerver1.9.0"},
        {{"2", "0", "2"}, "newerver1.9.0"},
        {{"0", "99", "9"}, "newver1.9.0"},
        {{"1", "x", "2"}, "2"},
        {{"1", "", "2"}, "2"},
        {{"1", "8", "1000"}, "2"},
    };
    for (const auto& [parts, answer] : cases)
        EXPECT_EQ(stats.Answer({{"mode", "update"},
                                {"vermajor", parts[0]},
                                {"verminor", parts[1]},
                                {"verrevision", parts[2]}}),
                  answer)
            << parts[0] << '.' << parts[1] << '.' << parts[2];
}

QB_ON_BOTH_ENGINES(StatsServiceTest);

} // namespace
