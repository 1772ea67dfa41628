#pragma once

#include <QString>
#include <cstdint>

struct ComputerDecision;

// The table's looks: what the table window shows of a match. The window implements it; tests
// and the simulator record it. The table's other ports are TableEffects (waits, messages,
// sounds), TablePeer (the other program) and MatchStatistics (the report of a finished match).
//
// How the window drives a match (all through GameTable, see GameTable.h):
//  - StartMatch() once the window is loaded and hidden: lays out the hand, deals the
//    computer's hand (single game and campaign) and opens the first set. Deals asked for
//    while the window is hidden are queued (at most two; a third replaces the second).
//  - Activated() whenever the window becomes visible/active: replays the queued deals in
//    order, 450 ms apart.
//  - ButtonClick(0) End Turn, ButtonClick(1) Stand, ButtonClick(2) Quit Game. Send is the
//    window's own chat button and never reaches the rules.
//  - HandCardClick(18..21) plays a hand card; clicks on slots 0..17 may be forwarded too and
//    are ignored. FlipClick(0..3) and MagnitudeClick(0..3) change sign and magnitude.
//  - AskQuit() for the Escape key; QuitConfirmed() from the message box's first button when
//    it shows the quit question.
// The window draws the model (GameTable::model()) and the per-side counts; every change the
// rules make is announced below so that it can redraw only what changed.
class TableView {
public:
    virtual ~TableView() = default;

    // A line of the chat box (multiplayer only); type 0 is an information line.
    virtual void AddChatLine(const QString& line, int type) = 0;

    // Slot 0..21 got a new text or face (model().text(slot), model().face(slot)).
    virtual void SlotChanged(int slot) = 0;
    // The counts of both sides were recomputed (clsPlayer::Count, clsOpponent::Count).
    virtual void CountsChanged(std::int16_t player, std::int16_t opponent) = 0;
    // Light the turn light of this side and put out the other one.
    virtual void TurnLight(int side) = 0;
    // Show set-win marker 0..5 (0-2 side 0, 3-5 side 1).
    virtual void ShowWinMarker(int marker) = 0;
    // All four buttons and the sign/magnitude controls get their normal look (a cleared
    // highlight, whatever the highlight flag was).
    virtual void ButtonsNormal() = 0;
    // End Turn and Stand get their highlighted look without sound: they are inactive.
    virtual void ButtonsInactive() = 0;
    // The sign and magnitude controls under hand card i (0..3) are shown or hidden.
    virtual void HandControls(int handIndex, bool sign, bool magnitude) = 0;
    // The opponent's face-down hand card image 0..3 disappears.
    virtual void OpponentHandCardHidden(int index) = 0;
    // The match is over or abandoned: close the table (shows the main window; in
    // multiplayer closes the connection).
    virtual void CloseTable() = 0;
    // A single-game series goes on: open the side deck selection for the next match.
    // Called right after CloseTable().
    virtual void ReopenSideDeckSelection() = 0;

    // Observers of the flow, for transcripts and tests; they change nothing on the table.
    virtual void MatchStarted() {}
    virtual void SetStarted(int /*beginner*/) {}
    virtual void SideStands(int /*side*/) {}
    virtual void TurnEnded() {}
    virtual void SetEvaluated(int /*result*/) {}
    virtual void SetDecided(int /*winner*/) {}
    virtual void MatchDecided(int /*winner*/) {}
    virtual void ComputerDecided(const ComputerDecision& /*decision*/) {}
};
