#pragma once

#include "RecordingPorts.h"
#include "rules/GameTable.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

// A table in a fresh process: in-memory User.dat, known texts, single game, side 0 to move
// with an empty table, and a deck whose next cards are known.
class TableFixture : public ::testing::Test {
protected:
    RecordingPorts ports;
    GameTable table{ports, ports, ports, ports};
    // What went to the program's own message box (deck, error reports).
    std::vector<QString> shownMessages;

    void SetUp() override;
    void TearDown() override;
    // Starts a match in which side 0 begins, shows the table, then empties slots 0..17.
    void StartWithPlayerToMove();
    // The same in a multiplayer match, as the host (side 0 begins) or as the client (the host
    // gave the turn to side 0); what was told to the other program so far is forgotten.
    void StartMultiplayerWithPlayerToMove(bool host);
    // Lays texts on a side's table from its first slot; main-deck cards unless face given.
    void Lay(int side, const std::vector<const char*>& texts, int face = 5);
    // The next GetCard deals this value (1..10).
    void NextCardIs(int value);
    static std::vector<std::string> Texts(int first, int last, const TableModel& model);
    MatchState::Side& player() { return table.match().Player(); }
    MatchState::Side& opponent() { return table.match().Opponent(); }
};
