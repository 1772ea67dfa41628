#pragma once

#include "rules/CardText.h"

#include <QString>

// The other program of a multiplayer match, as the table sees it: typed events, each told once
// when it happens at this table. Sides are this table's own (0 its player, 1 the other player);
// the line format and turning the sides round for the receiver are the network adapter's business.
// Outside multiplayer the table has no peer and tells nobody (NoPeer).
//
// Who tells what: both tables tell their own player's cards, rewrites, End Turn and Stand; only
// the host (the table that runs the rules) tells dealt cards, turns, results and the next set;
// only the client tells its acknowledgement of a set result.
//
// The way back in is GameTable's inbound calls (RemoteCardPlaced, RemoteSlotRewritten,
// RemoteTurnEnded, RemoteStood, RemoteTurnGiven, RemoteSetDecided, RemoteSetAcknowledged,
// RemoteNextSet); a receiver that reads the peer's lines calls them on its table.
class TablePeer {
public:
    virtual ~TablePeer() = default;

    // A card went to the side's table: a main-deck card dealt by the host (face
    // CardFace::MainDeck), or a hand card this table's player laid on side 0 (face 0..4, the hand
    // card's face picture; 0 when it has none of them).
    virtual void CardPlaced(int side, int face, const CardText& text) = 0;
    // A 2&4 or 3&6 card turned over the sign of side 0's table slot 0..8; text is its new text.
    virtual void SlotRewritten(int slot, const CardText& text) = 0;
    // Host: the turn went to this side.
    virtual void TurnGiven(int side) = 0;
    // Host: a set or the match was decided: winner 0 or 1, or 2 for a tied set.
    virtual void ResultDecided(int winner) = 0;
    // This table's player ended the turn, or stood.
    virtual void EndedTurn() = 0;
    virtual void Stood() = 0;
    // Client: the player has acknowledged the last set result.
    virtual void SetAcknowledged() = 0;
    // Host: both players acknowledged; the next set begins.
    virtual void NextSet() = 0;
    // A chat line typed at this table.
    virtual void ChatSent(const QString& line) = 0;
};
