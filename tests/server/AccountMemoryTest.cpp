#include "DigestCache.h"
#include "FailureThrottle.h"
#include "PasswordHash.h"

#include <gtest/gtest.h>

namespace {
using namespace std::chrono_literals;
const std::string Digest = "5ebe2294ecd0e0f08eab7690d2a6ee69";
const std::string OtherDigest = "00000000000000000000000000000000";

TEST(FailureThrottle, EachFailureDoublesTheWaitUpToTheCap) {
    FailureThrottle throttle(1s, 4s);
    const auto t0 = FailureThrottle::Clock::time_point{} + 100h;
    EXPECT_TRUE(throttle.Allows(7, t0));
    throttle.Failed(7, t0);
    EXPECT_FALSE(throttle.Allows(7, t0 + 999ms));
    EXPECT_TRUE(throttle.Allows(7, t0 + 1s));
    EXPECT_TRUE(throttle.Allows(8, t0)) << "another ID is not slowed down";
    throttle.Failed(7, t0 + 1s);
    EXPECT_FALSE(throttle.Allows(7, t0 + 2999ms));
    EXPECT_TRUE(throttle.Allows(7, t0 + 3s));
    for (int i = 0; i < 40; ++i)
        throttle.Failed(7, t0);
    EXPECT_FALSE(throttle.Allows(7, t0 + 3999ms));
    EXPECT_TRUE(throttle.Allows(7, t0 + 4s)) << "the wait stops growing at the cap";
}

TEST(FailureThrottle, SuccessForgetsTheFailures) {
    FailureThrottle throttle(1s, 60s);
    const auto t0 = FailureThrottle::Clock::time_point{} + 100h;
    for (int i = 0; i < 5; ++i)
        throttle.Failed(3, t0);
    throttle.Succeeded(3);
    EXPECT_TRUE(throttle.Allows(3, t0));
    throttle.Failed(3, t0);
    EXPECT_TRUE(throttle.Allows(3, t0 + 1s)) << "the count started again from one";
}

TEST(DigestCache, RemembersOnlyTheVerifiedDigestOfEachAccount) {
    DigestCache cache;
    EXPECT_EQ(cache.Find(42, Digest), std::nullopt);
    cache.Remember(42, Digest, "stored-a");
    EXPECT_EQ(cache.Find(42, Digest), "stored-a");
    EXPECT_EQ(cache.Find(42, OtherDigest), std::nullopt);
    EXPECT_EQ(cache.Find(43, Digest), std::nullopt) << "the tag binds the ID too";
    cache.Remember(42, OtherDigest, "stored-b");
    EXPECT_EQ(cache.Find(42, Digest), std::nullopt) << "a new verification replaces the old";
    EXPECT_EQ(cache.Find(42, OtherDigest), "stored-b");
    cache.Forget(42);
    EXPECT_EQ(cache.Find(42, OtherDigest), std::nullopt);
}

TEST(DigestCache, TwoServersDoNotShareTags) {
    DigestCache first;
    DigestCache second;
    first.Remember(1, Digest, "stored");
    EXPECT_TRUE(first.Find(1, Digest));
    EXPECT_FALSE(second.Find(1, Digest));
}

TEST(PasswordHash, SaltedSlowHashThatVerifiesOnlyItsDigest) {
    ASSERT_EQ(sodium_init() < 0, false);
    const std::string first = PasswordHash::Hash(Digest);
    const std::string second = PasswordHash::Hash(Digest);
    EXPECT_NE(first, second) << "every hash has its own salt";
    EXPECT_EQ(first.find(Digest), std::string::npos);
    EXPECT_EQ(first.rfind("$argon2id$", 0), 0u);
    EXPECT_TRUE(PasswordHash::Verify(first, Digest));
    EXPECT_FALSE(PasswordHash::Verify(first, OtherDigest));
    EXPECT_FALSE(PasswordHash::Verify("not a hash", Digest));
}

} // namespace
