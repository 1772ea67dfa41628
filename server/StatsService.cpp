#include "StatsService.h"

#include "QueryFields.h"

#include <cstdint>
#include <iostream>
#include <limits>

namespace {
constexpr int LastGameType = 2;
constexpr int LastLevel = 27;
constexpr int LastVersionPart = 999;

std::optional<GameVersion> versionOf(const QueryFields& fields) {
    const auto ver = fields.Text("ver");
    return ver ? GameVersion::FromDigitRun(*ver) : std::nullopt;
}

std::optional<StatsReport> reportOf(const QueryFields& fields, int id) {
    const auto highscore = fields.Number("highscore", 0, std::numeric_limits<std::int32_t>::max());
    const auto win = fields.Number("win", 0, 1);
    const auto gameType = fields.Number("GameType", 0, LastGameType);
    const auto level = fields.Number("level", 1, LastLevel);
    const auto ver = fields.Number("ver", 100, 999999);
    if (!highscore || !win || !gameType || !level || !ver)
        return std::nullopt;
    return StatsReport{id,
                       static_cast<std::int32_t>(*highscore),
                       static_cast<int>(*win),
                       static_cast<int>(*gameType),
                       static_cast<int>(*level),
                       static_cast<int>(*ver)};
}
} // namespace

StatsService::StatsService(Storage& storage, GameVersion latest, GameVersion oldest,
                           FailureThrottle::Clock::duration firstFailureDelay)
    : m_storage(storage), m_throttle(firstFailureDelay), m_verifier(storage, m_throttle),
      m_latest(latest), m_oldest(oldest) {
}

std::string StatsService::Answer(const QueryParams& query) {
    const auto mode = QueryFields(query).Text("mode");
    try {
        if (mode == "check")
            return check(query);
        if (mode == "stats")
            return stats(query);
        if (mode == "update")
            return update(query);
    } catch (const StorageError& e) {
        std::cerr << "queltabrovel-server: " << e.what() << '\n';
        return mode == "check" ? StatsAnswer::NotValid : StatsAnswer::StorageFailed;
    }
    return StatsAnswer::BadRequest;
}

std::string StatsService::check(const QueryParams& query) {
    const QueryFields fields(query);
    const auto id = fields.AccountId();
    const auto digest = fields.Digest();
    if (!id || !digest)
        return StatsAnswer::NotValid;
    const auto verdict = m_verifier.Confirm(*id, *digest, [&](const std::string& storedHash) {
        return m_storage.HasStoredHash(*id, storedHash);
    });
    return verdict == AccountVerifier::Verdict::Valid ? StatsAnswer::Valid : StatsAnswer::NotValid;
}

std::string StatsService::stats(const QueryParams& query) {
    const QueryFields fields(query);
    const auto id = fields.AccountId();
    const auto digest = fields.Digest();
    const auto version = versionOf(fields);
    const auto report = id ? reportOf(fields, *id) : std::nullopt;
    if (!digest || !version || !report)
        return StatsAnswer::BadRequest;
    if (*version < m_oldest)
        return StatsAnswer::TooOld;
    switch (m_verifier.Confirm(*id, *digest, [&](const std::string& storedHash) {
        return m_storage.StoreReport(*report, storedHash);
    })) {
    case AccountVerifier::Verdict::Valid:
        return StatsAnswer::Stored;
    case AccountVerifier::Verdict::Throttled:
        return StatsAnswer::Throttled;
    case AccountVerifier::Verdict::Invalid:
        break;
    }
    return StatsAnswer::WrongAccount;
}

std::string StatsService::update(const QueryParams& query) const {
    const QueryFields fields(query);
    const auto major = fields.Number("vermajor", 0, LastVersionPart);
    const auto minor = fields.Number("verminor", 0, LastVersionPart);
    const auto revision = fields.Number("verrevision", 0, LastVersionPart);
    if (!major || !minor || !revision)
        return StatsAnswer::BadRequest;
    const GameVersion installed{static_cast<int>(*major), static_cast<int>(*minor),
                                static_cast<int>(*revision)};
    if (installed < m_latest)
        return StatsAnswer::NewVersion + m_latest.Dotted();
    if (installed > m_latest)
        return StatsAnswer::NewerVersion + m_latest.Dotted();
    return StatsAnswer::NoUpdate;
}
