#include "FailureThrottle.h"

#include <algorithm>

FailureThrottle::FailureThrottle(Clock::duration firstDelay, Clock::duration longestDelay)
    : m_firstDelay(firstDelay), m_longestDelay(longestDelay) {
}

bool FailureThrottle::Allows(int id, Clock::time_point now) const {
    const std::lock_guard lock(m_mutex);
    const auto it = m_records.find(id);
    return it == m_records.end() || now >= it->second.lockedUntil;
}

void FailureThrottle::Failed(int id, Clock::time_point now) {
    const std::lock_guard lock(m_mutex);
    Record& record = m_records[id];
    record.failures = std::min(record.failures + 1, 30);
    Clock::duration delay = m_firstDelay;
    for (int i = 1; i < record.failures && delay < m_longestDelay; ++i)
        delay *= 2;
    record.lockedUntil = now + std::min(delay, m_longestDelay);
}

void FailureThrottle::Succeeded(int id) {
    const std::lock_guard lock(m_mutex);
    m_records.erase(id);
}
