#pragma once

#include "rules/CardText.h"

#include <QString>

// The 23 side-card kinds, 0 to 22, and what each looks like: +1..+6 (0-5), -1..-6 (6-11),
// the flip cards ±1..±6 (12-17), the tie-breaker (18), the double (19), 2&4 (20), 3&6 (21)
// and the value-change card 1±2 (22).
namespace CardKind {
constexpr int Count = 23;
constexpr int FirstPlus = 0;
constexpr int FirstMinus = 6;
constexpr int FirstFlip = 12;
constexpr int TieBreaker = 18;
constexpr int Double = 19;
constexpr int TwoAndFour = 20;
constexpr int ThreeAndSix = 21;
constexpr int ValueChange = 22;
constexpr int Played = -1; // a computer hand card already laid

inline bool isValid(int kind) {
    return kind >= 0 && kind < Count;
}
inline bool isPlus(int kind) {
    return kind >= FirstPlus && kind < FirstMinus;
}
inline bool isMinus(int kind) {
    return kind >= FirstMinus && kind < FirstFlip;
}
inline bool isFlip(int kind) {
    return kind >= FirstFlip && kind < TieBreaker;
}

// What the hand card shows when the match starts ("+3", "-2", "+1T", "D", "2&4", "+1").
CardText HandText(int kind);
// How lists name the kind ("+3", "-2", "±3", "±1T", "D", "2&4", "3&6", "1±2").
QString ListText(int kind);
// The face the card shows in the hand: plus, minus, flip plus-up or special.
int Face(int kind);
// The sign control is shown for flip, tie-breaker and value-change cards; the magnitude
// control only for the value-change card.
bool HasSignControl(int kind);
bool HasMagnitudeControl(int kind);
} // namespace CardKind
