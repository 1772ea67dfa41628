#pragma once

#include "rules/MatchSettlement.h"
#include "rules/PlayerHand.h"
#include "rules/TableModel.h"
#include "rules/modGameSystem.h"

#include <array>
#include <cstdint>

class TablePorts;

// One match at the table between side 0 (clsPlayer) and side 1 (clsOpponent): the table's
// model and its flow of sets and turns. The table window is a view of it: it forwards clicks
// and keys here and implements the ports (see TablePorts.h for how it drives a match).
class GameTable {
public:
    enum Button { EndTurnButton = 0, StandButton = 1, QuitButton = 2 };

    explicit GameTable(TablePorts& ports);
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    TableModel& model() { return m_model; }
    const TableModel& model() const { return m_model; }
    TablePorts& ports() { return m_ports; }
    modGameSystem& rules() { return m_rules; }
    PlayerHand& hand() { return m_hand; }
    const PlayerHand& hand() const { return m_hand; }

    // Opens the table for a new match while it is still hidden: lays out the hand, deals the
    // computer's hand (not in multiplayer) and starts the first set.
    void StartMatch();
    // The table became visible: queued deals are made now.
    void Activated();
    bool Visible() const { return m_visible; }
    bool IsOpen() const { return m_open; }

    // End Turn, Stand and Quit Game. End Turn and Stand only while side 0 may act.
    void ButtonClick(int index);
    void HandCardClick(int slot) { m_hand.Play(slot); }
    void FlipClick(int handIndex) { m_hand.Flip(handIndex); }
    void MagnitudeClick(int handIndex) { m_hand.ChangeMagnitude(handIndex); }
    // Asks whether to abandon the match; QuitConfirmed is its yes.
    void AskQuit();
    void QuitConfirmed() { m_settlement.Abandon(); }

    void NewSet();
    void PlayerChange(int side);
    // Side 0 or 1 won the set, or 2 for a tie; the third won set ends the match.
    void PlayerWin(int winner);
    // Multiplayer host: the next set starts once both players acknowledged the last one.
    void CheckDone();
    // Multiplayer host: the remote player ended its turn or stood.
    void RemoteTurnEnded(bool stood);
    // Ends the match at the table; nothing that waited may go on afterwards.
    void CloseTable();

    // Changes with every new set and when the table closes: code that waited compares it.
    std::uint32_t SetSerial() const { return m_serial; }
    bool IsCurrent(std::uint32_t serial) const { return m_open && serial == m_serial; }
    bool WinMarkerShown(int marker) const { return m_markers[marker]; }

private:
    void EndTurn();
    void StandUp();
    void FollowResult(int result);
    void LetComputerMove();
    // Shows the side's next set-win marker; true when it was its third.
    bool MarkSetWon(int side);
    void AnnounceSet(int winner);
    void ClearTable();

    TablePorts& m_ports;
    TableModel m_model;
    modGameSystem m_rules;
    PlayerHand m_hand;
    MatchSettlement m_settlement;
    std::array<bool, 6> m_markers{};
    std::uint32_t m_serial = 0;
    bool m_visible = false;
    bool m_open = false;
};
