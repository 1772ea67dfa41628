#pragma once

#include "opponent/clsOpponent.h"

#include <array>
#include <cstdint>

class TableModel;
struct MatchState;

// What the computer saw and chose at one hand-card decision: its count, the player's count
// and stand, its hand with each card's value now in sorted order, the one candidate position
// (-1 for none) and whether it plays it. Reported before any card is laid.
struct ComputerDecision {
    using Hand = clsOpponent::Hand;

    std::int16_t count = 0;
    std::int16_t playerCount = 0;
    bool playerStands = false;
    Hand hand{};
    int candidate = -1;
    bool plays = false;
    // A double in the hand found no value to copy on its side of the table (counted as 0).
    bool doubleUnknown = false;

    // The decision on this table: reads nothing but its arguments and changes nothing.
    static ComputerDecision Decide(const TableModel& model, const MatchState& match, Hand hand);
};
