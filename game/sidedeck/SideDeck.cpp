#include "sidedeck/SideDeck.h"

#include "opponent/CampaignLadder.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "sound/SoundEffect.h"

#include <algorithm>
#include <utility>

namespace {
constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}
} // namespace

SideDeck::SideDeck(std::function<void(int)> playSound) : m_playSound(std::move(playSound)) {
}

void SideDeck::OfferAll() {
    m_offered.fill(true);
    m_available.fill(FreeCopies);
}

void SideDeck::OfferOwned(const Owned& owned) {
    for (int kind = 0; kind < CardKind::Count; ++kind) {
        m_available[at(kind)] = owned[at(kind)];
        m_offered[at(kind)] = owned[at(kind)] != 0;
    }
}

void SideDeck::Restore(const Kinds& saved) {
    for (const std::int32_t kind : saved) {
        // User.dat may hold anything: only real kinds that are offered come back.
        if (CardKind::isValid(kind) && Offered(kind))
            AddCard(kind, true);
    }
}

bool SideDeck::AddCard(int kind, bool silent) {
    if (!CardKind::isValid(kind) || Available(kind) <= 0)
        return false;
    const int slot = FirstEmptySlot();
    if (slot < 0)
        return false;
    if (!silent)
        m_playSound(SoundEffect::CardLaid);
    m_slots[at(slot)] = {kind, KindFace(kind)};
    --m_available[at(kind)];
    return true;
}

void SideDeck::RemoveCard(int slot, bool withSound) {
    if (slot < 0 || slot >= SlotCount || SlotKind(slot) == NoKind)
        return;
    if (withSound)
        m_playSound(SoundEffect::CardLaid);
    ++m_available[at(SlotKind(slot))];
    m_slots[at(slot)] = {};
}

void SideDeck::DeleteCards() {
    m_playSound(SoundEffect::CardLaid);
    for (int slot = 0; slot < SlotCount; ++slot)
        RemoveCard(slot, false);
}

int SideDeck::KindFace(int kind) const {
    const int face = CardKind::Face(kind);
    return Available(kind) > 0 ? face : face + CardFace::DimOffset;
}

bool SideDeck::Complete() const {
    return FirstEmptySlot() < 0;
}

SideDeck::Kinds SideDeck::Deck() const {
    Kinds kinds{};
    std::transform(m_slots.begin(), m_slots.end(), kinds.begin(),
                   [](const Slot& s) { return s.kind; });
    return kinds;
}

int SideDeck::FirstEmptySlot() const {
    const auto it = std::find_if(m_slots.begin(), m_slots.end(),
                                 [](const Slot& s) { return s.kind == NoKind; });
    return it == m_slots.end() ? -1 : static_cast<int>(it - m_slots.begin());
}

bool SideDeck::FreeChoice(int gameMode, std::uint8_t level) {
    return gameMode != GameState::Campaign || level >= CampaignLadder::LastLevel;
}

bool SideDeck::ShouldRestore(std::int16_t saveMode, int gameMode, std::int32_t firstSaved) {
    if (firstSaved == NoKind)
        return false;
    const bool campaign = gameMode == GameState::Campaign;
    switch (saveMode) {
    case 1:
        return true;
    case 2:
        return campaign;
    case 3:
        return !campaign;
    default:
        return false;
    }
}
