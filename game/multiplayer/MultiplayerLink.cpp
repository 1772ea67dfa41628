#include "multiplayer/MultiplayerLink.h"

#include "multiplayer/LineCodec.h"
#include "multiplayer/ProtocolCommand.h"
#include "multiplayer/ProtocolReceiver.h"
#include "profile/clsPlayer.h"
#include "rules/GameTable.h"
#include "rules/modGameSystem.h"

using namespace ProtocolCommand;

void MultiplayerLink::SendCommand(int number, const QString& argument) {
    const QString line = Line(number, argument, clsPlayer::instance().Name());
    if (!line.isEmpty())
        m_wire.Write(LineCodec::Encode(line));
}

std::uint32_t MultiplayerLink::Serial() const {
    return m_table ? m_table->SetSerial() : 0;
}

void MultiplayerLink::CardPlaced(int side, int face, const CardText& text) {
    SendCommand(Crd, QString::number(side) + QString::number(face) + text.toQString());
}

void MultiplayerLink::SlotRewritten(int slot, const CardText& text) {
    SendCommand(Cva, QString::number(slot) + text.toQString());
}

void MultiplayerLink::TurnGiven(int side) {
    m_receiver.TurnGiven(side, Serial());
    SendCommand(Pc, QString::number(1 - side));
}

void MultiplayerLink::ResultDecided(int winner) {
    m_receiver.ResultDecided(Serial());
    const int told = winner == modGameSystem::Tie ? winner : 1 - winner;
    SendCommand(Wn, QString::number(told));
}

void MultiplayerLink::EndedTurn() {
    SendCommand(End);
}

void MultiplayerLink::Stood() {
    SendCommand(Std);
}

void MultiplayerLink::SetAcknowledged() {
    SendCommand(Usi);
}

void MultiplayerLink::NextSet() {
    SendCommand(Stv);
}

void MultiplayerLink::ChatSent(const QString& line) {
    SendCommand(Msg, line);
}
