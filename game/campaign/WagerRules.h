#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Which stakes the wager window accepts: a whole number from 0 up to the player's credits, the
// opponent's largest wager and 2^30 - 1 (twice the wager must still fit in 32 bits, as a won
// campaign match moves both stakes).
namespace WagerRules {

inline constexpr std::int32_t Ceiling = 1073741823;

// The largest wager allowed: the player's credits, or the opponent's limit when that is lower.
std::int32_t Preset(std::int32_t credits, std::int32_t maxWager);
// The amount typed, when it is a number at all.
std::optional<std::int64_t> Amount(const QString& text);
// The amount typed is a wager that may be stored.
bool Accepts(const QString& text, std::int32_t credits, std::int32_t maxWager);

} // namespace WagerRules
