#include "opponent/OpponentMove.h"

#include "opponent/ComputerDecision.h"
#include "opponent/clsOpponent.h"
#include "rules/CardFace.h"
#include "rules/GameError.h"
#include "rules/GameTable.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"
#include "rules/Twenty.h"
#include "shell/Ports.h"
#include "sound/SoundEffect.h"

#include <utility>

namespace {
constexpr int AfterDealPause = 500;
constexpr int BeforeLayPause = 300;
constexpr int AfterLayPause = 350;
constexpr int FirstSlot = TableModel::SideSlots;
constexpr int LastSlot = 2 * TableModel::SideSlots - 1;

// The face a laid computer card shows: a flip card shows the side it was played with.
int LaidFace(int kind, int value) {
    if (CardKind::isPlus(kind))
        return CardFace::Plus;
    if (CardKind::isMinus(kind))
        return CardFace::Minus;
    if (CardKind::isFlip(kind))
        return value >= 0 ? CardFace::FlipPlus : CardFace::FlipMinus;
    return CardFace::Special;
}
} // namespace

void OpponentMove::Play() {
    m_serial = m_table.SetSerial();
    try {
        for (;;) {
            if (!side().Stand && !Move())
                return;
            if (!StillCurrent())
                return;
            const modGameSystem::SetResult result = m_table.rules().EvaluateSet();
            if (result <= modGameSystem::Tie) {
                m_table.PlayerWin(result);
                return;
            }
            // Moving again, the computer goes on in this loop: its turn never left it.
            if (GameTable::NextMover(result, 1) == 0) {
                m_table.PlayerChange(0);
                return;
            }
        }
    } catch (const GameError& e) {
        ReportError(e.number(), QStringLiteral("AI_Play"), QString::fromLatin1(e.what()));
    }
}

MatchState::Side& OpponentMove::side() const {
    return m_table.match().Opponent();
}

bool OpponentMove::StillCurrent() const {
    return m_table.IsCurrent(m_serial);
}

bool OpponentMove::Move() {
    m_table.rules().DealCard(1);
    if (!StillCurrent())
        return false; // its ninth card decided the set
    m_table.rules().Wait(AfterDealPause);
    if (!StillCurrent())
        return false;
    if (side().Count == Twenty) {
        side().Stand = true;
        m_table.view().SideStands(1);
    } else if (!ConsiderHandCard()) {
        return false;
    }
    DecideStand();
    return true;
}

bool OpponentMove::ConsiderHandCard() {
    const ComputerDecision decision =
        ComputerDecision::Decide(m_table.model(), m_table.match(), m_hand);
    if (decision.doubleUnknown)
        ReportError(12, QStringLiteral("AI_TempHandValues"), QStringLiteral("D Value not found."));
    m_hand = decision.hand;
    m_table.view().ComputerDecided(decision);
    if (!decision.plays)
        return true;
    if (!AI_PlayHandCard(decision.candidate) || m_table.rules().CheckFullTable())
        return false;
    m_table.rules().Wait(AfterLayPause);
    return StillCurrent();
}

void OpponentMove::DecideStand() {
    const MatchState::Side& player = m_table.match().Player();
    const int count = side().Count;
    const bool stands =
        count >= player.Count && ((player.Stand && count > 10) || (count >= 18 && count <= 20));
    if (stands && !side().Stand) {
        side().Stand = true;
        m_table.view().SideStands(1);
    }
    if (side().Stand)
        m_table.rules().SetCardsDimmed(FirstSlot, LastSlot, true);
}

bool OpponentMove::AI_PlayHandCard(int position) {
    modGameSystem& rules = m_table.rules();
    rules.Wait(BeforeLayPause);
    if (!StillCurrent())
        return false;
    m_table.effects().PlaySound(SoundEffect::CardLaid);
    const int slot = rules.FreeSlot(1);
    if (slot < 0)
        return false;
    clsOpponent::HandCard& card = m_hand[position];
    TableModel& model = m_table.model();
    const int kind = card.Kind;
    if (kind == CardKind::TwoAndFour || kind == CardKind::ThreeAndSix) {
        model.setText(slot, CardText("0"));
        model.FlipMatching(1, kind == CardKind::TwoAndFour ? 2 : 3,
                           kind == CardKind::TwoAndFour ? 4 : 6);
    } else {
        const CardText text = CardText::fromNumber(card.TempValue, true);
        model.setText(slot, kind == CardKind::TieBreaker ? text.appended('T') : text);
    }
    model.setFace(slot, LaidFace(kind, card.TempValue));
    rules.RemoveOpponentHandCard();
    card.Kind = CardKind::Played;
    m_table.match().LastCardSide = 1;
    return true;
}
