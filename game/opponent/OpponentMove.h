#pragma once

#include "opponent/clsOpponent.h"
#include "rules/MatchState.h"

#include <array>
#include <cstdint>

class GameTable;

// One move of the computer: deal its card, lay a hand card if ComputerDecision chose one from
// what the table shows, stand or not, then evaluate the set and hand the turn on. It sees only
// its own table and hand and the player's count and stand.
class OpponentMove {
public:
    using Hand = clsOpponent::Hand;

    OpponentMove(Hand& hand, GameTable& table) : m_hand(hand), m_table(table) {}

    void Play();
    // Lays the hand card on side 1's table; false when the set ended during the pause.
    bool AI_PlayHandCard(int position);

private:
    // Deal, card and stand decision; false when the set was decided on the way.
    bool Move();
    bool ConsiderHandCard();
    void DecideStand();
    bool StillCurrent() const;
    // Side 1 of the table's match: the computer's count and stand.
    MatchState::Side& side() const;

    Hand& m_hand;
    GameTable& m_table;
    std::uint32_t m_serial = 0;
};
