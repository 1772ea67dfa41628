#pragma once

#include "CampaignFixture.h"
#include "RecordingPorts.h"
#include "rules/GameTable.h"

#include <memory>

// Campaign matches at a real table: the campaign window's opening, the side deck and wager
// chosen as the player would, the stake booked, and sets won by standing over a standing
// opponent.
class CampaignMatchFixture : public CampaignFixture {
protected:
    // The largest wager allowed, as the wager window offers it.
    static constexpr std::int32_t PresetWager = -1;

    // Opens the campaign window's board, builds a deck of the owned cards, stakes the wager
    // and opens the table.
    void StartMatch(std::int32_t wager);
    // Arranges a set in which the opponent stands at 15 and the player stands at 19.
    void WinSet();
    void LoseSet();
    void WinMatch();
    void LoseMatch();

    RecordingPorts ports;
    std::unique_ptr<GameTable> table;

private:
    void StandAgainst(std::initializer_list<const char*> player,
                      std::initializer_list<const char*> opponent);
};
