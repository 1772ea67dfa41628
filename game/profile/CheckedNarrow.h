#pragma once

#include "rules/GameError.h"

#include <utility>

// The record keeps every number as a 32-bit integer, but the profile hands some of them out in
// narrower types (a byte for owned cards and the level, 16 bits for wins and losses). A value a
// foreign tool wrote outside that range is an overflow error of the reading property, never a
// silently wrapped number. It is a GameError, so the procedures that read it report it.
template <typename Narrow, typename Wide> Narrow checkedNarrow(Wide value) {
    if (!std::in_range<Narrow>(value))
        throw GameError(GameError::OverflowNumber, "Overflow");
    return static_cast<Narrow>(value);
}
