#include "rules/GameTable.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "rules/TablePorts.h"
#include "rules/clsCardPool.h"

namespace {
constexpr int MarkersPerSide = 3;
constexpr int Twenty = 20;
} // namespace

GameTable::GameTable(TablePorts& ports)
    : m_ports(ports), m_model(ports), m_rules(*this), m_hand(*this), m_settlement(*this) {
}

void GameTable::StartMatch() {
    GameState& state = GameState::instance();
    state.PendingDeal1 = state.PendingDeal2 = false;
    state.MatchOver = false;
    m_open = true;
    m_visible = false;
    ++m_serial;
    m_markers.fill(false);
    m_model.clear(0, TableModel::SlotCount - 1);
    m_rules.ShowOpponentHand();
    m_hand.ShowHandCards();
    // The computer's hand is dealt before anything can start its first move.
    if (!state.isMultiplayer())
        clsOpponent::instance().AI_CreateHandCards();
    m_ports.MatchStarted();
    NewSet();
}

void GameTable::Activated() {
    if (!m_open)
        return;
    m_visible = true;
    m_rules.DealPending();
}

void GameTable::ButtonClick(int index) {
    if (!m_open)
        return;
    if (index == QuitButton) {
        AskQuit();
        return;
    }
    if (!clsPlayer::instance().CanAct || (index != EndTurnButton && index != StandButton))
        return;
    m_ports.ButtonsNormal();
    if (index == StandButton || clsPlayer::instance().Count == Twenty)
        StandUp();
    else
        EndTurn();
}

void GameTable::EndTurn() {
    m_ports.TurnEnded();
    const GameState& state = GameState::instance();
    if (state.isMultiplayer())
        m_ports.SendCommand(QStringLiteral("end"), QString());
    if (state.isClient())
        return;
    FollowResult(m_rules.EvaluateSet());
}

void GameTable::StandUp() {
    clsPlayer::instance().Stand = true;
    m_ports.SideStands(0);
    m_rules.SetCardsDimmed(0, TableModel::SideSlots - 1, true);
    const GameState& state = GameState::instance();
    if (state.isMultiplayer())
        m_ports.SendCommand(QStringLiteral("std"), QString());
    if (state.isClient())
        return;
    FollowResult(m_rules.EvaluateSet());
}

void GameTable::FollowResult(int result) {
    if (result <= modGameSystem::Tie) {
        PlayerWin(result);
    } else if (result == modGameSystem::PlayerMovesAgain) {
        PlayerChange(0);
    } else {
        PlayerChange(1);
        LetComputerMove();
    }
}

void GameTable::LetComputerMove() {
    if (!clsOpponent::instance().Stand && !GameState::instance().isMultiplayer())
        clsOpponent::instance().AI_Play(*this);
}

void GameTable::RemoteTurnEnded(bool stood) {
    if (!m_open)
        return;
    if (stood) {
        clsOpponent::instance().Stand = true;
        m_ports.SideStands(1);
        m_rules.SetCardsDimmed(TableModel::SideSlots, 2 * TableModel::SideSlots - 1, true);
    }
    if (!GameState::instance().isHost())
        return;
    const int result = m_rules.EvaluateSet();
    if (result <= modGameSystem::Tie)
        PlayerWin(result);
    else
        PlayerChange(result == modGameSystem::OpponentMovesAgain ? 1 : 0);
}

void GameTable::AskQuit() {
    if (!m_open)
        return;
    m_ports.ButtonsNormal();
    const clsLanguage& texts = clsLanguage::instance();
    m_ports.ShowMessage(texts.QuitReally(), texts.Yes(), texts.No());
}

void GameTable::NewSet() {
    ++m_serial;
    clsPlayer& player = clsPlayer::instance();
    clsOpponent& opponent = clsOpponent::instance();
    player.Stand = opponent.Stand = false;
    player.Count = opponent.Count = 0;
    GameState& state = GameState::instance();
    state.LocalSetDone = state.RemoteSetDone = false;
    if (state.isClient())
        return;
    clsCardPool::instance().CreateNew();
    const int beginner = state.isHost() ? (state.HostBegins ? 0 : 1) : Random::Pick(2);
    m_ports.SetStarted(beginner);
    PlayerChange(beginner);
    if (state.isHost())
        return;
    if (beginner == 1)
        clsOpponent::instance().AI_Play(*this);
    else
        state.LastCardSide = 0;
}

void GameTable::PlayerChange(int side) {
    clsPlayer& player = clsPlayer::instance();
    const bool toPlayer = side == 0;
    m_rules.SetCardsDimmed(TableModel::FirstHandSlot, TableModel::SlotCount - 1, !toPlayer);
    m_ports.TurnLight(side);
    player.CanPlayCard = player.CanAct = toPlayer;
    if (toPlayer)
        m_ports.ButtonsNormal();
    else
        m_ports.ButtonsInactive();
    const GameState& state = GameState::instance();
    if (state.isHost())
        m_ports.SendCommand(QStringLiteral("pc"), QString::number(1 - side));
    const bool stands = toPlayer ? player.Stand : clsOpponent::instance().Stand;
    const bool deals = toPlayer ? !state.isClient() : state.isHost();
    if (deals && !stands)
        m_rules.DealCard(side);
}

void GameTable::PlayerWin(int winner) {
    if (!m_open)
        return;
    const auto serial = m_serial;
    m_rules.SetCardsDimmed(0, 2 * TableModel::SideSlots - 1, true);
    m_ports.SetDecided(winner);
    if (winner != modGameSystem::Tie && MarkSetWon(winner)) {
        m_settlement.EndMatch(winner);
        return;
    }
    AnnounceSet(winner);
    if (!IsCurrent(serial))
        return; // the table closed while the result was shown
    ClearTable();
    GameState& state = GameState::instance();
    if (!state.isMultiplayer()) {
        NewSet();
        return;
    }
    clsPlayer::instance().CanPlayCard = clsPlayer::instance().CanAct = false;
    m_ports.ButtonsInactive();
    if (state.IsHost) {
        state.LocalSetDone = true;
        CheckDone();
    } else {
        m_ports.SendCommand(QStringLiteral("usi"), QString());
    }
}

bool GameTable::MarkSetWon(int side) {
    const int first = side == 0 ? 0 : MarkersPerSide;
    for (int marker = first; marker < first + MarkersPerSide; ++marker) {
        if (!m_markers[marker]) {
            m_markers[marker] = true;
            m_ports.ShowWinMarker(marker);
            return marker == first + MarkersPerSide - 1;
        }
    }
    return true;
}

void GameTable::AnnounceSet(int winner) {
    const clsLanguage& texts = clsLanguage::instance();
    const GameState& state = GameState::instance();
    static const QString hostWinnerArgument[] = {QStringLiteral("1"), QStringLiteral("0"),
                                                 QStringLiteral("2")};
    if (state.isMultiplayer()) {
        const QString line =
            winner == modGameSystem::Tie
                ? texts.SetTied()
                : (winner == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name()) +
                      QLatin1Char(' ') + texts.HasWonSet();
        m_ports.AddChatLine(line, 0);
        if (state.IsHost)
            m_ports.SendCommand(QStringLiteral("wn"), hostWinnerArgument[winner]);
    }
    const QString* message[] = {&texts.SetWon(), &texts.SetLost(), &texts.SetTied()};
    m_ports.ShowMessage(*message[winner]);
}

void GameTable::ClearTable() {
    m_model.clear(0, TableModel::FirstHandSlot - 1);
}

void GameTable::CheckDone() {
    GameState& state = GameState::instance();
    if (!m_open || !state.LocalSetDone || !state.RemoteSetDone)
        return;
    m_ports.SendCommand(QStringLiteral("stv"), QString());
    NewSet();
}

void GameTable::CloseTable() {
    if (!m_open)
        return;
    m_open = false;
    m_visible = false;
    ++m_serial;
    m_ports.CloseTable();
}
