#include "opponent/ComputerDecision.h"

#include "rules/CardKind.h"
#include "rules/MatchState.h"
#include "rules/TableModel.h"
#include "rules/Twenty.h"

#include <utility>

namespace {
constexpr int FirstSlot = TableModel::SideSlots;
constexpr int LastSlot = 2 * TableModel::SideSlots - 1;

// What the computer's double would copy: its last card's value.
int DoubleValue(const TableModel& model, bool& unknown) {
    const int last = model.LastSlot(1);
    // Before its first card the computer has nothing to double: the card is worth nothing.
    if (last < 0)
        return 0;
    const CardText& text = model.text(last);
    if (text.isNumber())
        return text.number();
    if (text == CardText("+1T") || text == CardText("-1T"))
        return text.value();
    unknown = true;
    return 0;
}

// What a 2&4 or 3&6 card would change on the computer's side: each matching card turns over.
int RewriteGain(const TableModel& model, int small, int large) {
    const CardText smallUp = CardText::fromNumber(small, false);
    const CardText smallDown = CardText::fromNumber(-small, false);
    const CardText largeUp = CardText::fromNumber(large, false);
    const CardText largeDown = CardText::fromNumber(-large, false);
    int gain = 0;
    for (int slot = FirstSlot; slot <= LastSlot && !model.text(slot).empty(); ++slot) {
        const CardText& text = model.text(slot);
        // Side cards shown with an explicit "+" are not counted.
        if (text == smallUp || text == smallDown || text == largeUp || text == largeDown)
            gain -= 2 * text.number();
    }
    return gain;
}

std::int16_t TempValue(const TableModel& model, int count, int kind, bool& doubleUnknown) {
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
        return static_cast<std::int16_t>(DoubleValue(model, doubleUnknown));
    case CardKind::TwoAndFour:
        return static_cast<std::int16_t>(RewriteGain(model, 2, 4));
    case CardKind::ThreeAndSix:
        return static_cast<std::int16_t>(RewriteGain(model, 3, 6));
    case CardKind::ValueChange:
        return static_cast<std::int16_t>(count <= 18 ? 2 : (count >= 22 ? -2 : Twenty - count));
    default:
        return 0;
    }
}

// Three passes of neighbour swaps, highest value first; equal values keep their order.
void SortCards(ComputerDecision::Hand& hand) {
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 3; ++i) {
            if (hand[i].TempValue < hand[i + 1].TempValue)
                std::swap(hand[i], hand[i + 1]);
        }
    }
}

// The first unplayed position that keeps the count at 20 or below; -1 if none.
int Candidate(const ComputerDecision::Hand& hand, int count) {
    for (int position = 0; position < 4; ++position) {
        if (hand[position].Kind != CardKind::Played && count + hand[position].TempValue <= Twenty)
            return position;
    }
    return -1;
}

bool ShouldPlay(const ComputerDecision& d) {
    const int c = d.count;
    const int v = d.hand[d.candidate].TempValue;
    const int n = c + v;
    const int p = d.playerCount;
    const bool s = d.playerStands;
    if (p > n || v == 0)
        return false;
    return c > Twenty || (n >= 19 && !(s && c > p)) || (s && c <= p && c > 10);
}
} // namespace

ComputerDecision ComputerDecision::Decide(const TableModel& model, const MatchState& match,
                                          Hand hand) {
    ComputerDecision d;
    d.count = match.Opponent().Count;
    d.playerCount = match.Player().Count;
    d.playerStands = match.Player().Stand;
    for (clsOpponent::HandCard& card : hand)
        card.TempValue = TempValue(model, d.count, card.Kind, d.doubleUnknown);
    SortCards(hand);
    d.hand = hand;
    d.candidate = Candidate(hand, d.count);
    d.plays = d.candidate >= 0 && ShouldPlay(d);
    return d;
}
