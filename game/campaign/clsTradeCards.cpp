#include "campaign/clsTradeCards.h"

#include "profile/clsLanguage.h"
#include "rules/CardKind.h"

#include <array>
#include <cmath>

namespace {
struct Entry {
    clsLanguage::Text description;
    std::uint8_t requiredLevel;
    std::int16_t buyPrice;
};

using L = clsLanguage;

// A "-3" costs less than a "+3"; every other plus and minus card of a number costs the same.
// Flip cards open at level 12, the double and the 2&4 and 3&6 cards at 15, the tie-breaker at 20
// and the value-change card at 22.
const std::array<Entry, CardKind::Count> Catalogue{{
    {L::CardDescription_Plus_, 0, 100},         {L::CardDescription_Plus_, 0, 75},
    {L::CardDescription_Plus_, 0, 50},          {L::CardDescription_Plus_, 0, 25},
    {L::CardDescription_Plus_, 0, 15},          {L::CardDescription_Plus_, 0, 5},
    {L::CardDescription_Minus_, 0, 100},        {L::CardDescription_Minus_, 0, 75},
    {L::CardDescription_Minus_, 0, 25},         {L::CardDescription_Minus_, 0, 25},
    {L::CardDescription_Minus_, 0, 15},         {L::CardDescription_Minus_, 0, 5},
    {L::CardDescription_PlusMinus_, 12, 200},   {L::CardDescription_PlusMinus_, 12, 150},
    {L::CardDescription_PlusMinus_, 12, 125},   {L::CardDescription_PlusMinus_, 12, 100},
    {L::CardDescription_PlusMinus_, 12, 75},    {L::CardDescription_PlusMinus_, 12, 50},
    {L::CardDescription_T_, 20, 225},           {L::CardDescription_D_, 15, 150},
    {L::CardDescription_24_, 15, 150},          {L::CardDescription_36_, 15, 175},
    {L::CardDescription_PlusMinus12_, 22, 500},
}};
} // namespace

int clsTradeCards::kindOf(std::int16_t index) const {
    const int kind = index == -1 ? ActiveCard : index;
    return CardKind::isValid(kind) ? kind : -1;
}

QString clsTradeCards::Caption(std::int16_t index) const {
    const int kind = kindOf(index);
    if (kind < 0)
        return {};
    return CardKind::ListText(kind) + QLatin1Char(' ') + clsLanguage::instance().Card();
}

QString clsTradeCards::Description(std::int16_t index) const {
    const int kind = kindOf(index);
    return kind < 0 ? QString() : clsLanguage::instance().text(Catalogue[kind].description);
}

std::uint8_t clsTradeCards::RequiredLevel(std::int16_t index) const {
    const int kind = kindOf(index);
    return kind < 0 ? 0 : Catalogue[kind].requiredLevel;
}

std::int16_t clsTradeCards::BuyPrice(std::int16_t index) const {
    const int kind = kindOf(index);
    return kind < 0 ? 0 : Catalogue[kind].buyPrice;
}

std::int16_t clsTradeCards::SellPrice(std::int16_t index) const {
    // Rounded to the nearest credit, halves to even; exact for every listed price.
    return static_cast<std::int16_t>(std::nearbyint(BuyPrice(index) * 0.8));
}
