#pragma once

// The game's sound effects by what they mean. 0..13 are the support library's sounds; Deal is
// the pair of DealFirstHalf at once and CardLaid a moment later.
namespace SoundEffect {
enum Number : int {
    OverTwenty = 0,    // a side's count passes 20
    CardLaid = 1,      // a card laid by the computer or the other player, side deck changes
    Click = 2,         // buttons, Play, sending a chat line
    Hover = 3,         // the pointer enters a button; the trade screen's scroll buttons
    LevelReached = 4,  // the next campaign level, or the campaign's end
    OtherMessage = 5,  // a message box without a sound of its own
    DealFirstHalf = 6, // a main-deck card comes off the deck
    MatchLost = 7,     // the message box sounds of the match and set results
    SetLost = 8,
    MatchWon = 9,
    SetWon = 10,
    SetTied = 11,
    HandCardPlayed = 12, // the local player lays a hand card
    ChatArrived = 13,    // a chat line from the other player
    Deal = 14,           // DealFirstHalf now, CardLaid after the deal delay
};
inline constexpr int HighestBankEffect = ChatArrived;
} // namespace SoundEffect
