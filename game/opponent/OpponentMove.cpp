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
    AI_TempHandValues();
    AI_SortCards();
    ComputerDecision decision;
    decision.count = side().Count;
    decision.playerCount = m_table.match().Player().Count;
    decision.playerStands = m_table.match().Player().Stand;
    decision.hand = m_hand;
    decision.candidate = Candidate();
    decision.plays = decision.candidate >= 0 && ShouldPlay(decision.candidate);
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

int OpponentMove::Candidate() const {
    const auto& hand = m_hand;
    for (int position = 0; position < 4; ++position) {
        if (hand[position].Kind != CardKind::Played &&
            side().Count + hand[position].TempValue <= Twenty)
            return position;
    }
    return -1;
}

bool OpponentMove::ShouldPlay(int position) const {
    const int c = side().Count;
    const int v = m_hand[position].TempValue;
    const int n = c + v;
    const int p = m_table.match().Player().Count;
    const bool s = m_table.match().Player().Stand;
    if (p > n || v == 0)
        return false;
    return c > Twenty || (n >= 19 && !(s && c > p)) || (s && c <= p && c > 10);
}

void OpponentMove::AI_TempHandValues() {
    for (clsOpponent::HandCard& card : m_hand) {
        card.TempValue = 0;
        card.TempValue = TempValue(card.Kind);
    }
}

std::int16_t OpponentMove::TempValue(int kind) const {
    const int count = side().Count;
    if (CardKind::isPlus(kind))
        return static_cast<std::int16_t>(kind + 1);
    if (CardKind::isMinus(kind))
        return static_cast<std::int16_t>(-(kind - 5));
    const int sign = count < Twenty ? 1 : -1;
    if (CardKind::isFlip(kind))
        return static_cast<std::int16_t>(sign * (kind - 11));
    switch (kind) {
    case CardKind::TieBreaker:
        return static_cast<std::int16_t>(sign);
    case CardKind::Double:
        return static_cast<std::int16_t>(DoubleValue());
    case CardKind::TwoAndFour:
        return static_cast<std::int16_t>(RewriteGain(2, 4));
    case CardKind::ThreeAndSix:
        return static_cast<std::int16_t>(RewriteGain(3, 6));
    case CardKind::ValueChange:
        return static_cast<std::int16_t>(count <= 18 ? 2 : (count >= 22 ? -2 : Twenty - count));
    default:
        return 0;
    }
}

int OpponentMove::DoubleValue() const {
    const int last = m_table.model().LastSlot(1);
    // Before its first card the computer has nothing to double: the card is worth nothing.
    if (last < 0)
        return 0;
    const CardText& text = m_table.model().text(last);
    if (text.isNumber())
        return text.number();
    if (text == CardText("+1T") || text == CardText("-1T"))
        return text.value();
    ReportError(12, QStringLiteral("AI_TempHandValues"), QStringLiteral("D Value not found."));
    return 0;
}

int OpponentMove::RewriteGain(int small, int large) const {
    const CardText smallUp = CardText::fromNumber(small, false);
    const CardText smallDown = CardText::fromNumber(-small, false);
    const CardText largeUp = CardText::fromNumber(large, false);
    const CardText largeDown = CardText::fromNumber(-large, false);
    int gain = 0;
    const TableModel& model = m_table.model();
    for (int slot = FirstSlot; slot <= LastSlot && !model.text(slot).empty(); ++slot) {
        const CardText& text = model.text(slot);
        // Side cards shown with an explicit "+" are not counted.
        if (text == smallUp || text == smallDown || text == largeUp || text == largeDown)
            gain -= 2 * text.number();
    }
    return gain;
}

void OpponentMove::AI_SortCards() {
    auto& hand = m_hand;
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 3; ++i) {
            if (hand[i].TempValue < hand[i + 1].TempValue)
                std::swap(hand[i], hand[i + 1]);
        }
    }
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
