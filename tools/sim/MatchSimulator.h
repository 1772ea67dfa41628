#pragma once

#include "ScriptedPlayer.h"
#include "SimPorts.h"
#include "rules/GameTable.h"
#include "rules/NoPeer.h"

#include <cstdint>
#include <cstdio>

// Plays complete single-game matches of the computer against the scripted player at a
// table without a window. Series run as in the game: each match stakes part of the working
// credits, a lost series starts a new one from a fresh highscore tier.
class MatchSimulator {
public:
    // Installs an in-memory User.dat and seeds the one random generator.
    MatchSimulator(std::uint64_t seed, std::FILE* transcript);

    // Plays one whole match; false if the table stopped waiting for anyone (a fault).
    bool PlayMatch();
    const SimTotals& totals() const { return m_ports.totals(); }

private:
    void PrepareMatch();
    void StartSeries();

    SimPorts m_ports;
    NoPeer m_peer;
    GameTable m_table;
    ScriptedPlayer m_player;
    bool m_seriesRunning = false;
};
