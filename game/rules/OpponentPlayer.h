#pragma once

class GameTable;

// Who plays side 1 of a match, chosen by the table when the match starts: the computer, the
// other program's player at the host, or, at the client, the host's player, whose program runs
// the rules. The table asks it only what differs between them; the rest of the flow is the
// table's own.
class OpponentPlayer {
public:
    virtual ~OpponentPlayer() = default;

    // This program deals, evaluates and decides the sets.
    virtual bool RunsRules() const = 0;
    // Side 1 is a person at another program: set and match results go to the chat line.
    virtual bool Remote() const = 0;
    // The table deals side 1's card when its turn comes (the computer deals its own).
    virtual bool DealtByTable() const = 0;
    // The match is laid out and its first set not yet started.
    virtual void MatchStarted(GameTable&) {}
    // The side that begins a new set (asked only where this program runs the rules).
    virtual int Beginner(GameTable& table) = 0;
    // Side 1 has the turn and does not stand.
    virtual void TakeTurn(GameTable&) {}
    // The turn went to a side, a set or the match was decided: what the other program hears.
    virtual void TellTurn(GameTable&, int /*side*/) {}
    virtual void TellResult(GameTable&, int /*winner*/) {}
    // A set that did not end the match was decided and its result shown.
    virtual void SetOver(GameTable& table) = 0;
};
