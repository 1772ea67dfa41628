#pragma once

#include "rules/TablePeer.h"

// The peer of a match without another program: nothing to tell.
class NoPeer : public TablePeer {
public:
    void CardPlaced(int, int, const CardText&) override {}
    void SlotRewritten(int, const CardText&) override {}
    void TurnGiven(int) override {}
    void ResultDecided(int) override {}
    void EndedTurn() override {}
    void Stood() override {}
    void SetAcknowledged() override {}
    void NextSet() override {}
    void ChatSent(const QString&) override {}
};
