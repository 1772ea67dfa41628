#pragma once

#include "sidedeck/SideDeck.h"

// What happens between Play in the side deck selection and the table: the hand drawn from the
// deck and, in the campaign, the stake booked before the match.
namespace MatchStart {

// Four different slots of the ten, chosen uniformly at random, become clsPlayer's hand cards.
void DrawHand(const SideDeck::Kinds& deck);

// Campaign: the match counts as lost until it is won (Losses + 1); below the last level the
// player's wager moves to the opponent for the length of the match. Each step is saved at once.
void BookCampaignStake();

} // namespace MatchStart
