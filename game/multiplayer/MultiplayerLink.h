#pragma once

#include "rules/TablePeer.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class GameTable;
class ProtocolReceiver;

// The table's events as protocol lines for the other program. Sides are turned round here:
// a turn or a result the host gives its own player (side 0) is the other player's side 1 in
// the line, as the receiver reads it. The host's turns and results also tell the receiver what
// the client may send next.
class MultiplayerLink : public TablePeer {
public:
    // Where the lines go: one write per line.
    class Wire {
    public:
        virtual ~Wire() = default;
        virtual void Write(const QByteArray& bytes) = 0;
    };

    MultiplayerLink(Wire& wire, ProtocolReceiver& receiver) : m_wire(wire), m_receiver(receiver) {}

    // The table whose events are told; its set serial marks turns and results.
    void setTable(const GameTable* table) { m_table = table; }

    // Sends command 0..12 (ProtocolCommand::Number) with its argument as one line.
    void SendCommand(int number, const QString& argument = {});

    void CardPlaced(int side, int face, const CardText& text) override;
    void SlotRewritten(int slot, const CardText& text) override;
    void TurnGiven(int side) override;
    void ResultDecided(int winner) override;
    void EndedTurn() override;
    void Stood() override;
    void SetAcknowledged() override;
    void NextSet() override;
    void ChatSent(const QString& line) override;

private:
    std::uint32_t Serial() const;

    Wire& m_wire;
    ProtocolReceiver& m_receiver;
    const GameTable* m_table = nullptr;
};
