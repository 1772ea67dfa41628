#include "rules/modGameSystem.h"

#include "rules/CardFace.h"
#include "rules/GameTable.h"
#include "rules/TableEffects.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"
#include "rules/Twenty.h"
#include "rules/clsCardPool.h"
#include "sound/SoundEffect.h"

namespace {
constexpr int AutoStandDelay = 400;
constexpr int FullTableDelay = 450;
constexpr int PendingDealGap = 450;
} // namespace

void modGameSystem::DealCard(int side) {
    MatchState& state = m_table.match();
    if (!m_table.Visible()) {
        // The second request is overwritten by any later one: two deals at most wait.
        if (state.PendingDeal1) {
            state.PendingDeal2 = true;
            state.PendingDealSide2 = side;
        } else {
            state.PendingDeal1 = true;
            state.PendingDealSide1 = side;
        }
        return;
    }
    const int slot = FreeSlot(side);
    if (slot < 0)
        return; // a full row is never dealt to: its ninth card has decided the set
    m_table.effects().PlaySound(SoundEffect::Deal);
    const CardText text = CardText::fromNumber(m_table.deck().GetCard(), false);
    const auto serial = m_table.SetSerial();
    m_table.peer().CardPlaced(side, CardFace::MainDeck, text);
    if (!m_table.IsCurrent(serial))
        return;
    state.LastCardSide = side;
    m_table.model().setFace(slot, CardFace::MainDeck);
    m_table.model().setText(slot, text);
    if (!CheckFullTable() && side == 0)
        CheckAutoStand();
}

void modGameSystem::DealPending() {
    MatchState& state = m_table.match();
    if (!state.PendingDeal1)
        return;
    state.PendingDeal1 = false;
    const auto serial = m_table.SetSerial();
    DealCard(state.PendingDealSide1);
    if (!state.PendingDeal2 || !m_table.IsCurrent(serial))
        return;
    state.PendingDeal2 = false;
    Wait(PendingDealGap);
    if (m_table.IsCurrent(serial))
        DealCard(state.PendingDealSide2);
}

int modGameSystem::FreeSlot(int side) const {
    return m_table.model().FreeSlot(side);
}

void modGameSystem::CheckAutoStand() {
    if (m_table.match().Player().Count != Twenty)
        return;
    const auto serial = m_table.SetSerial();
    Wait(AutoStandDelay);
    if (m_table.IsCurrent(serial))
        m_table.ButtonClick(GameTable::StandButton);
}

bool modGameSystem::CheckFullTable() {
    if (!m_table.opponentPlayer().RunsRules())
        return false;
    const auto serial = m_table.SetSerial();
    bool decided = DecideFullSide(0);
    if (decided && !m_table.IsCurrent(serial))
        return true;
    decided = DecideFullSide(1) || decided;
    return decided;
}

bool modGameSystem::DecideFullSide(int side) {
    const int ninth = TableModel::baseSlot(side) + TableModel::SideSlots - 1;
    if (m_table.model().text(ninth).empty())
        return false;
    const auto serial = m_table.SetSerial();
    Wait(FullTableDelay);
    if (!m_table.IsCurrent(serial))
        return true; // the table closed meanwhile: nothing is left to decide
    const bool over = m_table.model().SideCount(side) > Twenty;
    m_table.PlayerWin(over ? 1 - side : side);
    return true;
}

void modGameSystem::Wait(int ms) {
    m_table.effects().Wait(ms);
}

void modGameSystem::SetCardsDimmed(int first, int last, bool dim) {
    m_table.model().SetCardsDimmed(first, last, dim);
}

void modGameSystem::RemoveOpponentHandCard() {
    std::array<int, 4> shown{};
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (m_opponentHand[i])
            shown[n++] = i;
    }
    if (n == 0) {
        m_table.effects().ShowMessage(
            QStringLiteral("Error: All opponent hand cards are already deleted"));
        return;
    }
    const int hidden = shown[m_table.random().Pick(n)];
    m_opponentHand[hidden] = false;
    m_table.view().OpponentHandCardHidden(hidden);
}

modGameSystem::SetResult modGameSystem::EvaluateSet() {
    const MatchState& match = m_table.match();
    const int p = match.Player().Count;
    const int o = match.Opponent().Count;
    const bool playerStands = match.Player().Stand;
    const bool opponentStands = match.Opponent().Stand;
    SetResult result;
    if (p > Twenty && o > Twenty) {
        m_table.effects().ShowMessage(QStringLiteral("Error: Both players are above 20"));
        result = PlayerWins;
    } else if (p > Twenty) {
        result = OpponentWins;
    } else if (o > Twenty) {
        result = PlayerWins;
    } else if (!playerStands && !opponentStands) {
        result = TurnPasses;
    } else if (!playerStands) {
        result = p > o ? PlayerWins : PlayerMovesAgain;
    } else if (!opponentStands) {
        result = p < o ? OpponentWins : OpponentMovesAgain;
    } else {
        result = BothStand(p, o);
    }
    m_table.view().SetEvaluated(result);
    return result;
}

modGameSystem::SetResult modGameSystem::BothStand(int playerCount, int opponentCount) const {
    if (playerCount != opponentCount)
        return playerCount > opponentCount ? PlayerWins : OpponentWins;
    const int lastCardSide = m_table.match().LastCardSide;
    if (m_table.model().HoldsTieBreaker(0, lastCardSide))
        return PlayerWins;
    if (m_table.model().HoldsTieBreaker(1, lastCardSide))
        return OpponentWins;
    return Tie;
}
