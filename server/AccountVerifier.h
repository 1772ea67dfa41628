#pragma once

#include "DigestCache.h"
#include "FailureThrottle.h"
#include "Storage.h"

#include <functional>
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
    Storage& m_storage;
    FailureThrottle& m_throttle;
    DigestCache m_cache;
};
