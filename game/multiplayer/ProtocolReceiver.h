#pragma once

#include "multiplayer/InboundCommand.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

class GameTable;

// Acts on the other program's lines. The table is driven only through its inbound calls, and
// only with what the other program may send at that moment: the host's dealt cards, turns and
// results to a client, the client's own moves in its turn to the host, no move for a set that
// is already decided (its set serial is remembered) and no End Turn or Stand while a full row
// is being decided. Anything else is dropped, so a damaged, late or hostile line changes nothing.
//
// Lines are handled one after another: a line that arrives while another one is being acted on
// (the table waits and shows messages meanwhile) is handled once that one is done. Chat lines
// are shown at once.
class ProtocolReceiver {
public:
    // What the receiver needs of the program around it.
    class Owner {
    public:
        virtual ~Owner() = default;
        // Runs act on the match's table, created and loaded on the first command that
        // addresses it, while the table is held open for it; does nothing when no table can be
        // had.
        virtual void WithTable(const std::function<void(GameTable&)>& act) = 0;
        // The other player has drawn its hand cards ("rdy").
        virtual void OtherReady() = 0;
    };

    explicit ProtocolReceiver(Owner& owner) : m_owner(owner) {}

    void Receive(const std::vector<QString>& lines);
    // A new match: nothing is known about turns or decided sets.
    void Reset();

    // The host's own table told the client these (they set what the client may send next).
    void TurnGiven(int side, std::uint32_t serial);
    void ResultDecided(std::uint32_t serial);
    // Lines that were no command or came when the other program may not send them.
    int RefusedLines() const { return m_refused; }
    // Moves for a set that was decided before they arrived, dropped as well.
    int LateLines() const { return m_late; }

private:
    void Handle(const QString& line);
    bool Act(const InboundCommand& command);
    bool ActOnTable(GameTable& table, const InboundCommand& command);
    bool ActAsHost(GameTable& table, const InboundCommand& command);
    bool ActAsClient(GameTable& table, const InboundCommand& command);
    bool OtherMove(GameTable& table, const InboundCommand& command);
    bool HandCard(GameTable& table, const InboundCommand& command);
    bool OthersTurn(const GameTable& table) const;
    bool Decided(const GameTable& table) const;
    static bool Deciding(const GameTable& table);

    Owner& m_owner;
    std::deque<QString> m_queue;
    bool m_busy = false;
    // Whose turn it is (this program's sides) and in which set, as the host told it.
    int m_mover = -1;
    std::uint32_t m_moverSerial = 0;
    bool m_handCardPlayed = false;
    // The serial of the last decided set; 0 before any.
    std::uint32_t m_decidedSerial = 0;
    int m_refused = 0;
    int m_late = 0;
};
