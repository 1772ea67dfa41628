#include "rules/TableModel.h"

#include "rules/CardFace.h"
#include "rules/MatchState.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"
#include "rules/Twenty.h"
#include "sound/SoundEffect.h"

namespace {} // namespace

void TableModel::setText(int slot, const CardText& text) {
    if (m_slots[slot].text == text)
        return;
    m_slots[slot].text = text;
    m_slots[slot].value = static_cast<std::int8_t>(text.value());
    m_view.SlotChanged(slot);
    if (slot < FirstHandSlot)
        Recount();
}

void TableModel::setFace(int slot, int face) {
    if (m_slots[slot].face == face)
        return;
    m_slots[slot].face = static_cast<std::int8_t>(face);
    m_view.SlotChanged(slot);
}

void TableModel::clear(int first, int last) {
    bool tableChanged = false;
    for (int slot = first; slot <= last; ++slot) {
        Slot& s = m_slots[slot];
        if (s.text.empty() && s.face == CardFace::None)
            continue;
        s = Slot();
        m_view.SlotChanged(slot);
        tableChanged = tableChanged || slot < FirstHandSlot;
    }
    if (tableChanged)
        Recount();
}

int TableModel::FreeSlot(int side) const {
    const int base = baseSlot(side);
    for (int slot = base + SideSlots - 1; slot >= base; --slot) {
        if (!m_slots[slot].text.empty())
            return slot == base + SideSlots - 1 ? -1 : slot + 1;
    }
    return base;
}

int TableModel::LastSlot(int side) const {
    const int free = FreeSlot(side);
    const int last = free < 0 ? baseSlot(side) + SideSlots - 1 : free - 1;
    return last >= baseSlot(side) ? last : -1;
}

int TableModel::SideCount(int side) const {
    int lastSlot = 0;
    return SideCount(side, lastSlot);
}

int TableModel::SideCount(int side, int& lastSlot) const {
    int count = 0;
    const int base = baseSlot(side);
    int slot = base;
    for (; slot < base + SideSlots && !m_slots[slot].text.empty(); ++slot)
        count += m_slots[slot].value;
    lastSlot = slot - 1;
    return count;
}

bool TableModel::HoldsTieBreaker(int side, int lastCardSide) const {
    const int last = LastSlot(side);
    return last >= 0 && lastCardSide == side && m_slots[last].text.isTieBreaker();
}

void TableModel::SetCardsDimmed(int first, int last, bool dim) {
    for (int slot = first; slot <= last; ++slot) {
        const int f = m_slots[slot].face;
        if (dim && CardFace::isBright(f))
            setFace(slot, f + CardFace::DimOffset);
        else if (!dim && CardFace::isDimmed(f))
            setFace(slot, f - CardFace::DimOffset);
    }
}

std::uint32_t TableModel::FlipMatching(int side, int a, int b) {
    std::uint32_t rewritten = 0;
    const int base = baseSlot(side);
    for (int slot = base; slot < base + SideSlots && !m_slots[slot].text.empty(); ++slot) {
        const CardText& t = m_slots[slot].text;
        const int n = t.number();
        if (!t.isNumber() || n == 0 || (n != a && n != -a && n != b && n != -b))
            continue;
        const bool mainDeck = CardFace::bright(m_slots[slot].face) == CardFace::MainDeck;
        setText(slot, CardText::fromNumber(-n, !mainDeck));
        rewritten |= 1u << slot;
    }
    return rewritten;
}

void TableModel::Recount() {
    MatchState::Side& player = m_match.Player();
    MatchState::Side& opponent = m_match.Opponent();
    const int oldPlayer = player.Count;
    const int oldOpponent = opponent.Count;
    int lastPlayerSlot = 0;
    int lastOpponentSlot = 0;
    player.Count = static_cast<std::int16_t>(SideCount(0, lastPlayerSlot));
    opponent.Count = static_cast<std::int16_t>(SideCount(1, lastOpponentSlot));
    if (oldOpponent <= Twenty && opponent.Count > Twenty)
        m_effects.PlaySound(SoundEffect::OverTwenty);
    if (oldPlayer <= Twenty && player.Count > Twenty)
        m_effects.PlaySound(SoundEffect::OverTwenty);
    // Slots after a side's last card are empty and have no face to dim.
    SetCardsDimmed(0, lastPlayerSlot, player.Stand || player.Count == Twenty);
    SetCardsDimmed(SideSlots, lastOpponentSlot, opponent.Stand || opponent.Count == Twenty);
    m_view.CountsChanged(player.Count, opponent.Count);
}
