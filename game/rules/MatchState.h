#pragma once

#include <array>
#include <cstdint>

// What one match at a table knows between its deals: each side's count and stand, whether the
// player may act, and the flags of the running set. Owned by its table and never saved, so two
// tables never share a match.
struct MatchState {
    struct Side {
        std::int16_t Count = 0;
        bool Stand = false;
        // Side 0 only: the player may end the turn or stand, and may lay a hand card.
        bool CanAct = false;
        bool CanPlayCard = false;
    };

    std::array<Side, 2> Sides{};
    // The side that put the latest card on the table, for the tie-breaker.
    std::int32_t LastCardSide = 0;
    // Deals asked for while the table was still hidden: two at most wait.
    bool PendingDeal1 = false;
    std::int32_t PendingDealSide1 = 0;
    bool PendingDeal2 = false;
    std::int32_t PendingDealSide2 = 0;
    // Multiplayer: this program's and the other one's player acknowledged the set result.
    bool LocalSetDone = false;
    bool RemoteSetDone = false;

    Side& Player() { return Sides[0]; }
    const Side& Player() const { return Sides[0]; }
    Side& Opponent() { return Sides[1]; }
    const Side& Opponent() const { return Sides[1]; }
};
