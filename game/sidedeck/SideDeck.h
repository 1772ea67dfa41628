#pragma once

#include "rules/CardKind.h"

#include <array>
#include <cstdint>
#include <functional>

// The cards offered before a match and the ten-card side deck built from them, without a window.
// Each kind shows how many copies are still available; a kind whose copies have run out shows
// the dimmed face of its group, and a chosen slot keeps the face its kind showed when chosen.
class SideDeck {
public:
    static constexpr int SlotCount = 10;
    static constexpr int FreeCopies = 10;
    static constexpr int NoKind = -1;
    using Kinds = std::array<std::int32_t, SlotCount>;
    using Owned = std::array<std::uint8_t, CardKind::Count>;

    // Effects are played through this (1: a card laid or taken back).
    explicit SideDeck(std::function<void(int)> playSound);

    // Every kind offered ten times (single game, multiplayer, the last campaign level).
    void OfferAll();
    // Only the owned cards: a kind with no copies is not offered at all.
    void OfferOwned(const Owned& owned);
    // Puts a saved deck back, silently; kinds not offered or run out are skipped.
    void Restore(const Kinds& saved);

    bool AddCard(int kind, bool silent);
    void RemoveCard(int slot, bool withSound);
    // One sound, then every slot emptied.
    void DeleteCards();

    bool Offered(int kind) const { return m_offered[static_cast<std::size_t>(kind)]; }
    int Available(int kind) const { return m_available[static_cast<std::size_t>(kind)]; }
    int KindFace(int kind) const;
    int SlotKind(int slot) const { return m_slots[static_cast<std::size_t>(slot)].kind; }
    int SlotFace(int slot) const { return m_slots[static_cast<std::size_t>(slot)].face; }
    bool Complete() const;
    Kinds Deck() const;

    // Free choice everywhere but in the campaign below its last level.
    static bool FreeChoice(int gameMode, std::uint8_t level);
    // Whether the saved deck of the current mode comes back, by the player's save mode
    // (1 always, 2 campaign only, 3 all but the campaign, anything else never).
    static bool ShouldRestore(std::int16_t saveMode, int gameMode, std::int32_t firstSaved);

private:
    struct Slot {
        int kind = NoKind;
        int face = -1;
    };

    int FirstEmptySlot() const;

    std::function<void(int)> m_playSound;
    std::array<bool, CardKind::Count> m_offered{};
    std::array<int, CardKind::Count> m_available{};
    std::array<Slot, SlotCount> m_slots{};
};
