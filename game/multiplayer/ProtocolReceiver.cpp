#include "multiplayer/ProtocolReceiver.h"

#include "multiplayer/ProtocolCommand.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "rules/GameTable.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"
#include "sound/SoundEffect.h"

using namespace ProtocolCommand;

namespace {
// The colours of the chat box: the other player's lines, the game's information lines.
constexpr int ReceivedChat = 2;
constexpr int InformationLine = 0;
const QString ChatCode = QStringLiteral("msg");
} // namespace

void ProtocolReceiver::Receive(const std::vector<QString>& lines) {
    if (m_busy) {
        for (const QString& line : lines) {
            if (line.startsWith(ChatCode))
                Handle(line);
            else
                m_queue.push_back(line);
        }
        return;
    }
    m_queue.insert(m_queue.end(), lines.begin(), lines.end());
    m_busy = true;
    while (!m_queue.empty()) {
        const QString line = m_queue.front();
        m_queue.pop_front();
        Handle(line);
    }
    m_busy = false;
}

void ProtocolReceiver::Reset() {
    m_mover = -1;
    m_moverSerial = m_decidedSerial = 0;
    m_handCardPlayed = false;
}

void ProtocolReceiver::TurnGiven(int side, std::uint32_t serial) {
    m_mover = side;
    m_moverSerial = serial;
    m_handCardPlayed = false;
}

void ProtocolReceiver::ResultDecided(std::uint32_t serial) {
    m_decidedSerial = serial;
}

void ProtocolReceiver::Handle(const QString& line) {
    const auto command = InboundCommand::Parse(line);
    if (!command || !Act(*command))
        ++m_refused;
}

bool ProtocolReceiver::Act(const InboundCommand& command) {
    GameState& state = GameState::instance();
    switch (command.number) {
    case Nam:
        clsOpponent::instance().setName(command.text);
        return true;
    case Tn:
        if (state.IsHost)
            return false;
        state.HostBegins = command.digit == 0;
        return true;
    case Rdy:
        m_owner.OtherReady();
        return true;
    default:
        break;
    }
    bool accepted = false;
    m_owner.WithTable(
        [&](GameTable& table) { accepted = table.IsOpen() && ActOnTable(table, command); });
    return accepted;
}

bool ProtocolReceiver::ActOnTable(GameTable& table, const InboundCommand& command) {
    switch (command.number) {
    case Msg:
        table.effects().PlaySound(SoundEffect::ChatArrived);
        table.view().AddChatLine(command.text, ReceivedChat);
        return true;
    case Plj:
        table.view().AddChatLine(clsOpponent::instance().Name() + QLatin1Char(' ') +
                                     clsLanguage::instance().Joined(),
                                 InformationLine);
        return true;
    case Crd:
    case Cva:
    case End:
    case Std:
        return OtherMove(table, command);
    default:
        break;
    }
    return GameState::instance().isHost() ? ActAsHost(table, command) : ActAsClient(table, command);
}

// The client only ever acknowledges a decided set.
bool ProtocolReceiver::ActAsHost(GameTable& table, const InboundCommand& command) {
    if (command.number != Usi || !Decided(table) || table.match().RemoteSetDone)
        return false;
    table.RemoteSetAcknowledged();
    return true;
}

// Turns, results and the next set come from the host, each in its place in the set.
bool ProtocolReceiver::ActAsClient(GameTable& table, const InboundCommand& command) {
    const bool decided = Decided(table);
    switch (command.number) {
    case Pc:
        if (decided)
            return false;
        TurnGiven(command.digit, table.SetSerial());
        table.RemoteTurnGiven(command.digit);
        return true;
    case Wn:
        if (decided)
            return false;
        m_decidedSerial = table.SetSerial();
        table.RemoteSetDecided(command.digit);
        return true;
    case Stv:
        if (!decided)
            return false;
        table.RemoteNextSet();
        return true;
    default:
        return false;
    }
}

// A card the host dealt, or a card, a rewrite, End Turn or Stand of the other player in its
// turn.
bool ProtocolReceiver::OtherMove(GameTable& table, const InboundCommand& command) {
    // The other program may have moved before it heard of the result: expected, and dropped.
    if (Decided(table)) {
        ++m_late;
        return true;
    }
    if (command.number == Crd && command.face == CardFace::MainDeck) {
        if (GameState::instance().IsHost)
            return false;
        table.RemoteCardPlaced(1 - command.digit, command.face, command.card);
        return true;
    }
    if (!OthersTurn(table))
        return false;
    if (command.number == Crd || command.number == Cva)
        return HandCard(table, command);
    if (Deciding(table) || table.match().Opponent().Stand)
        return false;
    m_mover = -1;
    if (command.number == End)
        table.RemoteTurnEnded();
    else
        table.RemoteStood();
    return true;
}

// One hand card a turn, its rewrites told before it.
bool ProtocolReceiver::HandCard(GameTable& table, const InboundCommand& command) {
    if (m_handCardPlayed || (command.number == Crd && command.digit != 0))
        return false;
    if (command.number == Cva) {
        table.RemoteSlotRewritten(command.digit, command.card);
        return true;
    }
    m_handCardPlayed = true;
    table.RemoteCardPlaced(1, command.face, command.card);
    return true;
}

bool ProtocolReceiver::OthersTurn(const GameTable& table) const {
    return m_mover == 1 && m_moverSerial == table.SetSerial();
}

bool ProtocolReceiver::Decided(const GameTable& table) const {
    return m_decidedSerial == table.SetSerial();
}

// A row with its ninth card is about to decide the set by itself.
bool ProtocolReceiver::Deciding(const GameTable& table) {
    return table.model().FreeSlot(0) < 0 || table.model().FreeSlot(1) < 0;
}
