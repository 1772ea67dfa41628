#pragma once

#include "DigestCache.h"
#include "FailureThrottle.h"
#include "Storage.h"

#include <array>
#include <functional>
#include <mutex>
#include <string_view>

// Checks an online ID and password digest against the stored account and then does one thing
// with the account's stored hash: the action runs a statement that holds only while the
// account still has exactly that hash, so a check and what follows it cannot straddle a
// password change. The slow hash is checked once; later requests with the same digest use the
// cache, and fall back to the slow check when the action finds the account changed.
class AccountVerifier {
public:
    enum class Verdict { Valid, Invalid, Throttled };
    using Action = std::function<bool(const std::string& storedHash)>;

    AccountVerifier(Storage& storage, FailureThrottle& throttle);

    // Throws StorageError when the database fails.
    Verdict Confirm(int id, std::string_view digest, const Action& action);

private:
    static constexpr std::size_t SlowCheckLanes = 64;

    Storage& m_storage;
    FailureThrottle& m_throttle;
    DigestCache m_cache;
    // Requests for one ID that miss the cache together queue for its slow check, so the first
    // one's result serves the rest instead of every one of them hashing at once.
    std::array<std::mutex, SlowCheckLanes> m_slowCheckLanes;
};
