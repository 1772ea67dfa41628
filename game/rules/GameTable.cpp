#include "rules/GameTable.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "rules/MatchStatistics.h"
#include "rules/TableEffects.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"
#include "rules/Twenty.h"
#include "sound/SoundEffect.h"

namespace {
constexpr int MarkersPerSide = 3;
} // namespace

GameTable::GameTable(TableView& view, TableEffects& effects, TablePeer& peer,
                     MatchStatistics& statistics, RandomSource& random)
    : m_view(view), m_effects(effects), m_peer(peer), m_statistics(statistics), m_random(random),
      m_deck(random), m_model(view, effects, m_match), m_rules(*this), m_hand(*this),
      m_settlement(*this) {
}

// The one place where the game mode decides who side 1 is; the flow asks that player after.
OpponentPlayer& GameTable::ChooseOpponent() {
    const GameState& state = GameState::instance();
    if (!state.isMultiplayer())
        return m_computer;
    if (state.IsHost)
        return m_remotePlayer;
    return m_hostPlayer;
}

void GameTable::StartMatch() {
    m_opponent = &ChooseOpponent();
    m_match = MatchState{};
    m_open = true;
    m_visible = false;
    ++m_serial;
    m_markers.fill(false);
    m_model.clear(0, TableModel::SlotCount - 1);
    m_rules.ShowOpponentHand();
    m_hand.ShowHandCards();
    m_opponent->MatchStarted(*this);
    m_view.MatchStarted();
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
    if (!m_match.Player().CanAct || (index != EndTurnButton && index != StandButton))
        return;
    m_view.ButtonsNormal();
    if (index == StandButton || m_match.Player().Count == Twenty)
        StandUp();
    else
        EndTurn();
}

void GameTable::EndTurn() {
    m_view.TurnEnded();
    TellOwnMove(&TablePeer::EndedTurn);
}

void GameTable::StandUp() {
    m_match.Player().Stand = true;
    m_view.SideStands(0);
    m_rules.SetCardsDimmed(0, TableModel::SideSlots - 1, true);
    TellOwnMove(&TablePeer::Stood);
}

// A client's End Turn or Stand is its last action until the host gives the turn again: a second
// click, or the automatic stand at 20 after End Turn, must not send a second one. It is spent
// before the move is told, because the host's answer can arrive while the move is being sent.
// Telling the other program may have let anything happen: the host's move goes on only in its
// own set.
void GameTable::TellOwnMove(void (TablePeer::*tell)()) {
    if (!m_opponent->RunsRules()) {
        MatchState::Side& player = m_match.Player();
        player.CanAct = player.CanPlayCard = false;
        m_view.ButtonsInactive();
        (m_peer.*tell)();
        return;
    }
    const auto serial = m_serial;
    (m_peer.*tell)();
    if (IsCurrent(serial))
        FollowResult(m_rules.EvaluateSet(), 0);
}

int GameTable::NextMover(modGameSystem::SetResult result, int moved) {
    if (result == modGameSystem::PlayerMovesAgain)
        return 0;
    if (result == modGameSystem::OpponentMovesAgain)
        return 1;
    return 1 - moved;
}

void GameTable::FollowResult(modGameSystem::SetResult result, int moved) {
    if (result <= modGameSystem::Tie) {
        PlayerWin(result);
        return;
    }
    const int next = NextMover(result, moved);
    PlayerChange(next);
    if (next == 1)
        LetOpponentMove();
}

void GameTable::LetOpponentMove() {
    if (!m_match.Opponent().Stand)
        m_opponent->TakeTurn(*this);
}

void GameTable::RemoteTurnEnded() {
    if (!m_open)
        return;
    m_view.AddChatLine(
        clsOpponent::instance().Name() + QLatin1Char(' ') + clsLanguage::instance().EndsTurn(), 0);
    RemoteMoveEnded();
}

void GameTable::RemoteStood() {
    if (!m_open)
        return;
    m_match.Opponent().Stand = true;
    m_view.AddChatLine(
        clsOpponent::instance().Name() + QLatin1Char(' ') + clsLanguage::instance().Stands(), 0);
    m_view.SideStands(1);
    m_rules.SetCardsDimmed(TableModel::SideSlots, 2 * TableModel::SideSlots - 1, true);
    RemoteMoveEnded();
}

void GameTable::RemoteMoveEnded() {
    if (m_opponent->RunsRules())
        FollowResult(m_rules.EvaluateSet(), 1);
}

void GameTable::RemoteCardPlaced(int side, int face, const CardText& text) {
    const bool validFace = face == CardFace::MainDeck || (face >= 0 && face <= CardFace::Special);
    if (!m_open || (side != 0 && side != 1) || !validFace || text.empty())
        return;
    const int slot = m_model.FreeSlot(side);
    if (slot < 0)
        return; // a full row is never placed on: its ninth card decided the set
    m_match.LastCardSide = side;
    m_model.setFace(slot, face);
    m_model.setText(slot, text);
    if (face != CardFace::MainDeck) {
        m_effects.PlaySound(SoundEffect::CardLaid);
        m_rules.RemoveOpponentHandCard();
        m_rules.CheckFullTable();
        return;
    }
    m_effects.PlaySound(SoundEffect::Deal);
    const auto serial = m_serial;
    if (side == 0)
        m_rules.CheckAutoStand();
    if (IsCurrent(serial))
        m_rules.CheckFullTable();
}

void GameTable::RemoteSlotRewritten(int slot, const CardText& text) {
    if (m_open && slot >= 0 && slot < TableModel::SideSlots)
        m_model.setText(TableModel::SideSlots + slot, text);
}

void GameTable::RemoteTurnGiven(int side) {
    if (m_open && (side == 0 || side == 1))
        PlayerChange(side);
}

void GameTable::RemoteSetDecided(int winner) {
    if (winner >= 0 && winner <= modGameSystem::Tie)
        PlayerWin(winner);
}

void GameTable::RemoteNextSet() {
    if (m_open)
        NewSet();
}

void GameTable::RemoteSetAcknowledged() {
    if (!m_open)
        return;
    m_match.RemoteSetDone = true;
    CheckDone();
}

void GameTable::AskQuit() {
    if (!m_open)
        return;
    m_view.ButtonsNormal();
    const clsLanguage& texts = clsLanguage::instance();
    m_effects.ShowMessage(texts.QuitReally(), texts.Yes(), texts.No());
}

void GameTable::NewSet() {
    ++m_serial;
    for (MatchState::Side& side : m_match.Sides) {
        side.Stand = false;
        side.Count = 0;
    }
    m_match.LocalSetDone = m_match.RemoteSetDone = false;
    if (!m_opponent->RunsRules())
        return; // the host starts the set and tells
    m_deck.CreateNew();
    const int beginner = m_opponent->Beginner(*this);
    m_view.SetStarted(beginner);
    PlayerChange(beginner);
    if (beginner == 1)
        m_opponent->TakeTurn(*this);
    else
        m_match.LastCardSide = 0;
}

void GameTable::PlayerChange(int side) {
    MatchState::Side& player = m_match.Player();
    const bool toPlayer = side == 0;
    m_rules.SetCardsDimmed(TableModel::FirstHandSlot, TableModel::SlotCount - 1, !toPlayer);
    m_view.TurnLight(side);
    player.CanPlayCard = player.CanAct = toPlayer;
    if (toPlayer)
        m_view.ButtonsNormal();
    else
        m_view.ButtonsInactive();
    const auto serial = m_serial;
    m_opponent->TellTurn(*this, side);
    if (!IsCurrent(serial))
        return;
    const bool stands = m_match.Sides[toPlayer ? 0 : 1].Stand;
    const bool deals = toPlayer ? m_opponent->RunsRules() : m_opponent->DealtByTable();
    if (deals && !stands)
        m_rules.DealCard(side);
}

void GameTable::PlayerWin(int winner) {
    if (!m_open)
        return;
    const auto serial = m_serial;
    // Nobody acts in a decided set, also not from a timer or a click that reaches the table
    // while the result is shown.
    m_match.Player().CanPlayCard = m_match.Player().CanAct = false;
    m_rules.SetCardsDimmed(0, 2 * TableModel::SideSlots - 1, true);
    m_view.SetDecided(winner);
    if (winner != modGameSystem::Tie && MarkSetWon(winner)) {
        m_settlement.EndMatch(winner);
        return;
    }
    AnnounceSet(winner);
    if (!IsCurrent(serial))
        return; // the table closed while the result was shown
    ClearTable();
    m_opponent->SetOver(*this);
}

bool GameTable::MarkSetWon(int side) {
    const int first = side == 0 ? 0 : MarkersPerSide;
    for (int marker = first; marker < first + MarkersPerSide; ++marker) {
        if (!m_markers[marker]) {
            m_markers[marker] = true;
            m_view.ShowWinMarker(marker);
            return marker == first + MarkersPerSide - 1;
        }
    }
    return true;
}

void GameTable::AnnounceSet(int winner) {
    const clsLanguage& texts = clsLanguage::instance();
    if (m_opponent->Remote()) {
        const QString line =
            winner == modGameSystem::Tie
                ? texts.SetTied()
                : (winner == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name()) +
                      QLatin1Char(' ') + texts.HasWonSet();
        m_view.AddChatLine(line, 0);
    }
    m_opponent->TellResult(*this, winner);
    const QString* message[] = {&texts.SetWon(), &texts.SetLost(), &texts.SetTied()};
    m_effects.ShowMessage(*message[winner]);
}

void GameTable::ClearTable() {
    m_model.clear(0, TableModel::FirstHandSlot - 1);
}

void GameTable::CheckDone() {
    if (!m_open || !m_match.LocalSetDone || !m_match.RemoteSetDone)
        return;
    m_peer.NextSet();
    NewSet();
}

void GameTable::CloseTable() {
    if (!m_open)
        return;
    m_open = false;
    m_visible = false;
    ++m_serial;
    m_view.CloseTable();
}
