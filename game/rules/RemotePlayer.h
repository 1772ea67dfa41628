#pragma once

#include "rules/OpponentPlayer.h"

// Side 1 at the host: the other program's player. This table deals for both sides, tells the
// other program every turn and result, and starts the next set once both players acknowledged
// the last one.
class RemotePlayer : public OpponentPlayer {
public:
    bool RunsRules() const override { return true; }
    bool Remote() const override { return true; }
    bool DealtByTable() const override { return true; }
    int Beginner(GameTable& table) override;
    void TellTurn(GameTable& table, int side) override;
    void TellResult(GameTable& table, int winner) override;
    void SetOver(GameTable& table) override;
};
