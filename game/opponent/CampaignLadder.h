#pragma once

#include <QString>
#include <cstdint>
#include <span>

// The 27 rungs of the campaign: who sits across the table at each player level, with the
// credits they bring, the most they will wager and the side deck their hand is drawn from.
// Several opponents return higher up with deeper pockets and a stronger deck; the last rung is
// the player's own mirror image, named by the language file.
namespace CampaignLadder {

constexpr std::uint8_t FirstLevel = 1;
constexpr std::uint8_t LastLevel = 27;

struct Rung {
    const char* name;   // fixed text, the same in every language (empty at the last level)
    const char* planet; // likewise
    std::int32_t baseCredits;
    std::int16_t wagerLimit;
    std::span<const int> sideDeck; // card kinds the computer draws its hand from
};

bool isLevel(int level);
// The rung of a level 1..27; the caller checks the level first.
const Rung& rung(int level);

} // namespace CampaignLadder
