#pragma once

#include "opponent/clsOpponent.h"
#include "rules/MatchState.h"

#include <array>
#include <cstdint>

class GameTable;
struct ComputerDecision;

// One move of the computer: deal its card, consider its highest-valued unplayed hand card
// that keeps it at 20 or below, stand or not, then evaluate the set and hand the turn on.
// It sees only its own table and hand and the player's count and stand.
class OpponentMove {
public:
    using Hand = std::array<clsOpponent::HandCard, 4>;

    OpponentMove(Hand& hand, GameTable& table) : m_hand(hand), m_table(table) {}

    void Play();
    // What each hand card would add to the computer's count if laid now.
    void AI_TempHandValues();
    // Three passes of neighbour swaps, highest value first; equal values keep their order.
    void AI_SortCards();
    // The first unplayed position that keeps the count at 20 or below; -1 if none.
    int Candidate() const;
    // Whether the computer lays that candidate.
    bool ShouldPlay(int position) const;
    // Lays the hand card on side 1's table; false when the set ended during the pause.
    bool AI_PlayHandCard(int position);

private:
    // Deal, card and stand decision; false when the set was decided on the way.
    bool Move();
    bool ConsiderHandCard();
    void DecideStand();
    int DoubleValue() const;
    int RewriteGain(int small, int large) const;
    std::int16_t TempValue(int kind) const;
    bool StillCurrent() const;
    // Side 1 of the table's match: the computer's count and stand.
    MatchState::Side& side() const;

    Hand& m_hand;
    GameTable& m_table;
    std::uint32_t m_serial = 0;
};
