#pragma once

#include <cstdint>

// The thirteen card pictures. Faces 6 to 11 are the dimmed versions of 0 to 5 (k + 6);
// dimming switches between them and never touches a card's text.
namespace CardFace {
enum Face : std::int8_t {
    None = -1, // an empty slot shows no card
    Plus = 0,
    Minus = 1,
    FlipPlus = 2,
    FlipMinus = 3,
    Special = 4,
    MainDeck = 5,
    DimOffset = 6,
    Back = 12,
};

inline bool isBright(int face) {
    return face >= Plus && face <= MainDeck;
}
inline bool isDimmed(int face) {
    return face >= Plus + DimOffset && face <= MainDeck + DimOffset;
}
// The bright face of a card whatever its dimming: tells a card's family apart.
inline int bright(int face) {
    return isDimmed(face) ? face - DimOffset : face;
}
} // namespace CardFace
