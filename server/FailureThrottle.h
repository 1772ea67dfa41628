#pragma once

#include <chrono>
#include <mutex>
#include <unordered_map>

// Slows down guessing: an online ID has only four digits, so after a failed check of an ID the
// next check of that ID is refused without looking at it for a while, twice as long after every
// further failure (up to a cap). A successful check forgets the failures. Kept in memory per
// server process.
class FailureThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit FailureThrottle(Clock::duration firstDelay = std::chrono::seconds(1),
                             Clock::duration longestDelay = std::chrono::minutes(1));

    bool Allows(int id, Clock::time_point now) const;
    void Failed(int id, Clock::time_point now);
    void Succeeded(int id);

private:
    struct Record {
        int failures = 0;
        Clock::time_point lockedUntil;
    };

    Clock::duration m_firstDelay;
    Clock::duration m_longestDelay;
    mutable std::mutex m_mutex;
    std::unordered_map<int, Record> m_records;
};
