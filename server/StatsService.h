#pragma once

#include "AccountVerifier.h"
#include "GameVersion.h"
#include "QueryString.h"

#include <string>

// The answers of "/stats.php", as the game reads them: the whole body is compared as text.
namespace StatsAnswer {
inline const std::string Valid = "1";         // account check: ID and password valid
inline const std::string NotValid = "0";      // account check: anything else
inline const std::string Stored = "1";        // report stored
inline const std::string BadRequest = "2";    // a parameter missing, repeated or out of range
inline const std::string WrongAccount = "3";  // no such ID, or the wrong password
inline const std::string Throttled = "4";     // too many failed checks of this ID just now
inline const std::string TooOld = "5";        // the game is older than the oldest accepted
inline const std::string StorageFailed = "6"; // the database failed; nothing was stored
inline const std::string NoUpdate = "FALSE";
inline const std::string NewVersion = "newver";
inline const std::string NewerVersion = "newerver";
} // namespace StatsAnswer

// The statistics script: account check, report, update check. Every parameter is validated
// before anything reaches the database; a refused request stores nothing.
class StatsService {
public:
    StatsService(Storage& storage, GameVersion latest, GameVersion oldest,
                 FailureThrottle::Clock::duration firstFailureDelay = std::chrono::seconds(1));

    std::string Answer(const QueryParams& query);

private:
    std::string check(const QueryParams& query);
    std::string stats(const QueryParams& query);
    std::string update(const QueryParams& query) const;

    Storage& m_storage;
    FailureThrottle m_throttle;
    AccountVerifier m_verifier;
    GameVersion m_latest;
    GameVersion m_oldest;
};
