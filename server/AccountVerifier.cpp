#include "AccountVerifier.h"

#include "PasswordHash.h"

AccountVerifier::AccountVerifier(Storage& storage, FailureThrottle& throttle)
    : m_storage(storage), m_throttle(throttle) {
}

AccountVerifier::Verdict AccountVerifier::Confirm(int id, std::string_view digest,
                                                  const Action& action) {
    if (!m_throttle.Allows(id, FailureThrottle::Clock::now()))
        return Verdict::Throttled;
    if (const auto cached = m_cache.Find(id, digest)) {
        if (action(*cached))
            return Verdict::Valid;
        m_cache.Forget(id);
    }
    const std::lock_guard lane(m_slowCheckLanes[static_cast<std::size_t>(id) % SlowCheckLanes]);
    if (const auto cached = m_cache.Find(id, digest); cached && action(*cached))
        return Verdict::Valid;
    const auto stored = m_storage.StoredHash(id);
    if (!stored || !PasswordHash::Verify(*stored, digest)) {
        m_throttle.Failed(id, FailureThrottle::Clock::now());
        return Verdict::Invalid;
    }
    m_throttle.Succeeded(id);
    m_cache.Remember(id, digest, *stored);
    return action(*stored) ? Verdict::Valid : Verdict::Invalid;
}
