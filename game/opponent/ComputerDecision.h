#pragma once

#include "opponent/clsOpponent.h"

#include <array>
#include <cstdint>

// What the computer saw and chose at one hand-card decision: its count, the player's count
// and stand, its hand in sorted order, the one candidate position (-1 for none) and whether
// it plays it. Reported before any card is laid.
struct ComputerDecision {
    std::int16_t count = 0;
    std::int16_t playerCount = 0;
    bool playerStands = false;
    std::array<clsOpponent::HandCard, 4> hand{};
    int candidate = -1;
    bool plays = false;
};
