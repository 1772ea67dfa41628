#include "Storage.h"
#include "EngineTest.h"

#include <thread>

namespace {

class StorageTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        storage = OpenStorage(database->Url());
    }
    std::unique_ptr<Storage> storage;
};

StatsReport report(int id, int highscore, int win, int gameType) {
    return {id, highscore, win, gameType, 3, 182};
}

TEST_P(StorageTest, AccountsAreAddedReplacedAndRemoved) {
    EXPECT_EQ(storage->StoredHash(42), std::nullopt);
    EXPECT_EQ(storage->SetAccount(42, "hash-a"), AccountChange::Added);
    EXPECT_EQ(storage->StoredHash(42), "hash-a");
    EXPECT_TRUE(storage->HasStoredHash(42, "hash-a"));
    EXPECT_FALSE(storage->HasStoredHash(42, "hash-b"));
    EXPECT_EQ(storage->SetAccount(42, "hash-b"), AccountChange::Replaced);
    EXPECT_EQ(storage->StoredHash(42), "hash-b");
    EXPECT_TRUE(storage->RemoveAccount(42));
    EXPECT_FALSE(storage->RemoveAccount(42));
    EXPECT_EQ(storage->StoredHash(42), std::nullopt);
}

TEST_P(StorageTest, AReportIsStoredOnlyWhileTheAccountHasTheCheckedHash) {
    storage->SetAccount(42, "hash-a");
    EXPECT_TRUE(storage->StoreReport(report(42, 100, 1, 0), "hash-a"));
    EXPECT_FALSE(storage->StoreReport(report(42, 100, 1, 0), "hash-old"));
    EXPECT_FALSE(storage->StoreReport(report(43, 100, 1, 0), "hash-a"));
    EXPECT_EQ(storage->ReportCount(), 1);
}

TEST_P(StorageTest, HighscoresAndTalliesByMode) {
    storage->SetAccount(1, "h1");
    storage->SetAccount(2, "h2");
    for (const StatsReport& r : {report(1, 100, 1, 0), report(1, 300, 0, 0), report(1, 200, 1, 2),
                                 report(2, 900, 0, 1), report(2, 2147483647, 1, 1)})
        ASSERT_TRUE(storage->StoreReport(r, r.accountId == 1 ? "h1" : "h2"));
    const auto best = storage->BestHighscores(10);
    ASSERT_EQ(best.size(), 2u);
    EXPECT_EQ(best[0].accountId, 2);
    EXPECT_EQ(best[0].highscore, 2147483647);
    EXPECT_EQ(best[1].accountId, 1);
    EXPECT_EQ(best[1].highscore, 300);
    EXPECT_EQ(storage->BestHighscores(1).size(), 1u);
    const auto tallies = storage->Tallies();
    ASSERT_EQ(tallies.size(), 3u);
    EXPECT_EQ(tallies[0].accountId, 1);
    EXPECT_EQ(tallies[0].gameType, 0);
    EXPECT_EQ(tallies[0].won, 1);
    EXPECT_EQ(tallies[0].lost, 1);
    EXPECT_EQ(tallies[1].gameType, 2);
    EXPECT_EQ(tallies[2].accountId, 2);
    EXPECT_EQ(tallies[2].won, 1);
    EXPECT_EQ(tallies[2].lost, 1);
}

TEST_P(StorageTest, RemovingAnAccountTakesItsReportsWithIt) {
    storage->SetAccount(1, "h1");
    storage->SetAccount(2, "h2");
    storage->StoreReport(report(1, 10, 1, 0), "h1");
    storage->StoreReport(report(2, 20, 1, 0), "h2");
    storage->RemoveAccount(1);
    EXPECT_EQ(storage->ReportCount(), 1);
    EXPECT_EQ(storage->BestHighscores(10).at(0).accountId, 2);
}

TEST_P(StorageTest, HostileTextStaysAValue) {
    const std::string hostile = "x'); DROP TABLE accounts; --";
    storage->SetAccount(5, hostile);
    EXPECT_EQ(storage->StoredHash(5), hostile);
    EXPECT_TRUE(storage->StoreReport(report(5, 1, 1, 0), hostile));
    EXPECT_EQ(storage->ReportCount(), 1);
}

TEST_P(StorageTest, ManyThreadsStoreEveryReport) {
    storage->SetAccount(9, "h9");
    constexpr int Threads = 6;
    constexpr int Each = 150;
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < Each; ++i)
                EXPECT_TRUE(storage->StoreReport(report(9, i, i % 2, i % 3), "h9"));
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(storage->ReportCount(), Threads * Each);
}

TEST_P(StorageTest, ASecondOpeningSharesTheSameData) {
    storage->SetAccount(3, "h3");
    const auto again = OpenStorage(database->Url());
    EXPECT_EQ(again->StoredHash(3), "h3");
}

QB_ON_BOTH_ENGINES(StorageTest);

TEST(OpenStorage, RefusesOtherUrlsAndUnreachableDatabases) {
    EXPECT_THROW(OpenStorage("mysql://localhost/x"), std::invalid_argument);
    EXPECT_THROW(OpenStorage("sqlite:"), std::invalid_argument);
    EXPECT_THROW(OpenStorage("sqlite:/proc/no/such/folder/stats.sqlite"), StorageError);
    EXPECT_THROW(OpenStorage("postgresql:///postgres?host=/nonexistent-socket-folder"),
                 StorageError);
}

} // namespace
