#pragma once

#include "rules/OpponentPlayer.h"

// Side 1 at the client: the host's player. The host deals, evaluates and decides; this table
// shows what it is told and acknowledges each set result.
class HostPlayer : public OpponentPlayer {
public:
    bool RunsRules() const override { return false; }
    bool Remote() const override { return true; }
    bool DealtByTable() const override { return false; }
    // Never asked: the host starts every set.
    int Beginner(GameTable&) override { return 0; }
    void SetOver(GameTable& table) override;
};
