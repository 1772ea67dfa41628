#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Numbers as the game writes them into its requests: decimal digits only, no sign, no spaces,
// no leading zeros (a lone "0" is zero). Anything else, or a value outside [low, high], is no
// number at all.
namespace Decimal {
std::optional<std::int64_t> Parse(std::string_view text, std::int64_t low, std::int64_t high);
}
