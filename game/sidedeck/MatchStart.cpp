#include "sidedeck/MatchStart.h"

#include "opponent/CampaignLadder.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "rules/GameError.h"
#include "rules/Random.h"

#include <numeric>

namespace {
constexpr int HandSize = 4;
} // namespace

void MatchStart::DrawHand(const SideDeck::Kinds& deck) {
    std::array<int, SideDeck::SlotCount> slots{};
    std::iota(slots.begin(), slots.end(), 0);
    clsPlayer& player = clsPlayer::instance();
    for (int a = 0; a < HandSize; ++a) {
        const int r = Random::Pick(SideDeck::SlotCount - a);
        const auto chosen = static_cast<std::size_t>(slots[static_cast<std::size_t>(r)]);
        player.setHandCard(a, static_cast<std::int16_t>(deck[chosen]));
        // The slot taken is replaced by the last one still in the draw.
        slots[static_cast<std::size_t>(r)] =
            slots[static_cast<std::size_t>(SideDeck::SlotCount - 1 - a)];
    }
}

void MatchStart::BookCampaignStake() {
    clsPlayer& player = clsPlayer::instance();
    player.setLosses(GameError::add<std::int16_t>(player.Losses(), 1));
    if (player.Level() >= CampaignLadder::LastLevel)
        return;
    clsOpponent& opponent = clsOpponent::instance();
    opponent.setCredits(GameError::add(opponent.Credits(), player.Wager));
    player.setCredits(GameError::sub(player.Credits(), player.Wager));
}
