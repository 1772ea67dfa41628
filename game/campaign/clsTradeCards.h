#pragma once

#include <QString>
#include <cstdint>

// The trade catalogue: every side-card kind as the trade window offers it, with its caption,
// description, the level required to buy it and its buying and selling prices. Every property
// takes a kind 0..22; -1 (the default) means the selected kind, and any other index gives an
// empty text or 0.
class clsTradeCards {
public:
    // The selected kind.
    std::int16_t ActiveCard = 0;

    // The card's notation, a blank and the language's word for a card ("3&6 Card").
    QString Caption(std::int16_t index = -1) const;
    // The description of the kind's group, from the current language file.
    QString Description(std::int16_t index = -1) const;
    // The lowest player level at which the kind can be bought; 0 for always.
    std::uint8_t RequiredLevel(std::int16_t index = -1) const;
    std::int16_t BuyPrice(std::int16_t index = -1) const;
    // Four fifths of the buying price.
    std::int16_t SellPrice(std::int16_t index = -1) const;

private:
    // The kind an index names, or -1 when it names none.
    int kindOf(std::int16_t index) const;
};
