#pragma once

#include "opponent/clsOpponent.h"
#include "rules/OpponentPlayer.h"

#include <array>

// Side 1 in a single game and the campaign: the computer. It draws its four hand cards when the
// match starts and makes its whole move when the turn comes to it.
class ComputerPlayer : public OpponentPlayer {
public:
    using Hand = clsOpponent::Hand;

    bool RunsRules() const override { return true; }
    bool Remote() const override { return false; }
    bool DealtByTable() const override { return false; }
    void MatchStarted(GameTable& table) override;
    int Beginner(GameTable& table) override;
    void TakeTurn(GameTable& table) override;
    void SetOver(GameTable& table) override;

    const Hand& HandCards() const { return m_hand; }
    Hand& HandCards() { return m_hand; }

private:
    Hand m_hand{};
};
