#pragma once

#include "rules/CardText.h"

#include <array>
#include <cstdint>

class TableEffects;
class TableView;
struct MatchState;

// The 22 slots of the table: 0-8 side 0's table, 9-17 side 1's table, 18-21 side 0's hand.
// Each holds a text and a face; a slot is empty when its text is "". A side's table fills
// from its first slot upward without gaps. Every change is announced to the view, and a
// text change on a table slot recounts both sides into the match's counts, as the table always
// shows the counts of its texts.
class TableModel {
public:
    static constexpr int SlotCount = 22;
    static constexpr int SideSlots = 9;
    static constexpr int FirstHandSlot = 18;

    TableModel(TableView& view, TableEffects& effects, MatchState& match)
        : m_view(view), m_effects(effects), m_match(match) {}

    const CardText& text(int slot) const { return m_slots[slot].text; }
    int face(int slot) const { return m_slots[slot].face; }
    void setText(int slot, const CardText& text);
    void setFace(int slot, int face);
    // Empties the slots first..last: no text, no face; one recount afterwards.
    void clear(int first, int last);

    static int baseSlot(int side) { return side == 1 ? SideSlots : 0; }
    // The side's next free table slot; -1 when its ninth slot is filled.
    int FreeSlot(int side) const;
    // The side's last card, -1 for an empty table.
    int LastSlot(int side) const;
    // The sum of the side's card values up to its first empty slot.
    int SideCount(int side) const;
    // The side's last card is a tie-breaker text and the side put the latest card on the table.
    bool HoldsTieBreaker(int side, int lastCardSide) const;
    // Dims (face k to k + 6) or undims the slots first..last; other faces stay.
    void SetCardsDimmed(int first, int last, bool dim);
    // Turns over the sign of every numeric text of the side's table whose magnitude is a or
    // b. A side card keeps an explicit "+", a main-deck card never gains one. Returns the
    // rewritten slots as a bit mask.
    std::uint32_t FlipMatching(int side, int a, int b);
    // Recomputes both counts, plays the over-20 sound for a side that just passed 20, and
    // dims a side's table while it stands or holds exactly 20.
    void Recount();

private:
    // The count and the side's last filled slot (one before its base when empty) in one pass.
    int SideCount(int side, int& lastSlot) const;

    struct Slot {
        CardText text;
        std::int8_t face = -1;
        std::int8_t value = 0; // the text's card value, read by every recount
    };

    std::array<Slot, SlotCount> m_slots{};
    TableView& m_view;
    TableEffects& m_effects;
    MatchState& m_match;
};
