#pragma once

#include "rules/CardText.h"

#include <array>

class GameTable;

// Side 0's four hand cards in slots 18 to 21: laid out once per match from
// clsPlayer::HandCard, adjusted by the sign and magnitude controls, played one per turn.
// The hand text is the card's current value; its kind is not consulted after the layout.
class PlayerHand {
public:
    explicit PlayerHand(GameTable& table) : m_table(table) {}

    void ShowHandCards();
    // Turns over the sign of hand card i (0..3), also during the opponent's turn.
    void Flip(int handIndex);
    // Switches the value-change card between magnitude 1 and 2.
    void ChangeMagnitude(int handIndex);
    // Plays the hand card in slot 18..21 while side 0 may play a card and does not stand.
    void Play(int slot);

    bool SignControlShown(int handIndex) const { return m_sign[handIndex]; }
    bool MagnitudeControlShown(int handIndex) const { return m_magnitude[handIndex]; }

private:
    static CardText Flipped(const CardText& text);
    void Place(int slot, const CardText& text);
    void Rewrite(int a, int b);
    void TellPlayed(int slot);
    void Hide(int handIndex);

    GameTable& m_table;
    std::array<bool, 4> m_sign{};
    std::array<bool, 4> m_magnitude{};
};
