#pragma once

#include <limits>
#include <stdexcept>
#include <utility>

// The record keeps every number as a 32-bit integer, but the profile hands some of them out in
// narrower types (a byte for owned cards and the level, 16 bits for wins and losses). A value a
// foreign tool wrote outside that range is an overflow error of the reading property, never a
// silently wrapped number.
template <typename Narrow, typename Wide> Narrow checkedNarrow(Wide value) {
    if (!std::in_range<Narrow>(value))
        throw std::overflow_error("stored value does not fit the property's type");
    return static_cast<Narrow>(value);
}
