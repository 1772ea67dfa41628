#pragma once

#include "opponent/ComputerPlayer.h"
#include "rules/HostPlayer.h"
#include "rules/MatchSettlement.h"
#include "rules/MatchState.h"
#include "rules/PlayerHand.h"
#include "rules/Random.h"
#include "rules/RemotePlayer.h"
#include "rules/TableModel.h"
#include "rules/clsCardPool.h"
#include "rules/modGameSystem.h"

#include <array>
#include <cstdint>

class MatchStatistics;
class TableEffects;
class TablePeer;
class TableView;

// One match at the table between side 0 (clsPlayer) and side 1 (clsOpponent): the table's
// model, the match's own state, its deck and its flow of sets and turns. Side 1 is played by an
// OpponentPlayer chosen when the match starts. The table talks out through four ports given to
// it: the view (looks, see TableView.h for how a window drives a match), the effects (waits,
// messages, sounds), the peer (typed events to the other program in multiplayer, NoPeer
// otherwise) and the statistics report; its random choices come from the source it is handed.
// The other program's moves come back in through the Remote... calls below.
class GameTable {
public:
    enum Button { EndTurnButton = 0, StandButton = 1, QuitButton = 2 };

    GameTable(TableView& view, TableEffects& effects, TablePeer& peer, MatchStatistics& statistics,
              RandomSource& random = Random::Program());
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    TableModel& model() { return m_model; }
    const TableModel& model() const { return m_model; }
    TableView& view() { return m_view; }
    TableEffects& effects() { return m_effects; }
    TablePeer& peer() { return m_peer; }
    MatchStatistics& statistics() { return m_statistics; }
    MatchState& match() { return m_match; }
    const MatchState& match() const { return m_match; }
    RandomSource& random() { return m_random; }
    clsCardPool& deck() { return m_deck; }
    // Who plays side 1 in the running match, and the computer that plays it outside multiplayer.
    OpponentPlayer& opponentPlayer() { return *m_opponent; }
    ComputerPlayer& computer() { return m_computer; }
    const ComputerPlayer& computer() const { return m_computer; }
    modGameSystem& rules() { return m_rules; }
    PlayerHand& hand() { return m_hand; }
    const PlayerHand& hand() const { return m_hand; }

    // Opens the table for a new match while it is still hidden: chooses side 1's player by the
    // game mode, lays out the hand, lets side 1 prepare (the computer draws its hand) and starts
    // the first set.
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
    // The side that moves after a move of side `moved` was evaluated to a result that decides no
    // set: the one mapping of "moves again" and "the turn passes" for every kind of side 1.
    static int NextMover(modGameSystem::SetResult result, int moved);

    // ---- The other program's moves (multiplayer), as its receiver reads them ----
    // Sides here are this table's own: 0 this player, 1 the other one. Each call is ignored when
    // the table is closed or its arguments are out of range, so a late or damaged line is harmless.
    // A card placed on the side's next free slot: face CardFace::MainDeck for a dealt card
    // (dealt by the host; the deal sound, then the auto-stand and nine-card checks), 0..4 for a
    // hand card the other player laid on side 1 (the card sound; one of its face-down hand
    // cards goes).
    void RemoteCardPlaced(int side, int face, const CardText& text);
    // The other player's 2&4 or 3&6 card rewrote its table slot 0..8 (this table's 9 + slot).
    void RemoteSlotRewritten(int slot, const CardText& text);
    // The other player ended the turn or stood; the host evaluates and goes on.
    void RemoteTurnEnded();
    void RemoteStood();
    // Client: the host gave the turn to this side, decided a set or the match (winner 0, 1 or
    // 2 for a tie), or started the next set.
    void RemoteTurnGiven(int side);
    void RemoteSetDecided(int winner);
    void RemoteNextSet();
    // Host: the client's player acknowledged the last set result.
    void RemoteSetAcknowledged();
    // Ends the match at the table; nothing that waited may go on afterwards.
    void CloseTable();

    // Changes with every new set and when the table closes: code that waited compares it.
    std::uint32_t SetSerial() const { return m_serial; }
    bool IsCurrent(std::uint32_t serial) const { return m_open && serial == m_serial; }

private:
    void EndTurn();
    void StandUp();
    void TellOwnMove(void (TablePeer::*tell)());
    void FollowResult(modGameSystem::SetResult result, int moved);
    void RemoteMoveEnded();
    void LetOpponentMove();
    OpponentPlayer& ChooseOpponent();
    // Shows the side's next set-win marker; true when it was its third.
    bool MarkSetWon(int side);
    void AnnounceSet(int winner);
    void ClearTable();

    TableView& m_view;
    TableEffects& m_effects;
    TablePeer& m_peer;
    MatchStatistics& m_statistics;
    RandomSource& m_random;
    clsCardPool m_deck;
    ComputerPlayer m_computer;
    RemotePlayer m_remotePlayer;
    HostPlayer m_hostPlayer;
    OpponentPlayer* m_opponent = &m_computer;
    MatchState m_match;
    TableModel m_model;
    modGameSystem m_rules;
    PlayerHand m_hand;
    MatchSettlement m_settlement;
    std::array<bool, 6> m_markers{};
    std::uint32_t m_serial = 0;
    bool m_visible = false;
    bool m_open = false;
};
