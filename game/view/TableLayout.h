#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// Where everything lies on the game table, in pixels at 96 dpi.
namespace TableLayout {

inline constexpr int Width = 1024;
// 11520 and 13696 units of 1/1440 inch: the chat strip is only inside the window in multiplayer.
inline constexpr int Height = 768;
inline constexpr int ChatHeight = 913;

inline constexpr std::array<int, 3> RowTops{129, 237, 346};
inline constexpr std::array<int, 3> PlayerColumns{200, 294, 390};
inline constexpr std::array<int, 3> OpponentColumns{550, 646, 742};
inline constexpr int HandTop = 487;
inline constexpr std::array<int, 4> HandLefts{116, 212, 308, 404};
inline constexpr std::array<int, 4> OpponentHandLefts{536, 633, 729, 825};
inline constexpr int ControlTop = 600;
inline constexpr int SignOffset = 8;
inline constexpr int MagnitudeOffset = 48;
inline constexpr QSize ControlSize{25, 23};
inline constexpr std::array<QPoint, 2> Lights{QPoint(114, 78), QPoint(856, 78)};
inline constexpr int LightSize = 53;
inline constexpr std::array<int, 3> MarkerTops{174, 212, 250};
inline constexpr std::array<int, 2> MarkerLefts{122, 879};
inline constexpr QSize MarkerSize{22, 28};
inline constexpr std::array<QRect, 4> Buttons{QRect(536, 633, 180, 26), QRect(728, 633, 180, 26),
                                              QRect(536, 666, 372, 26), QRect(520, 823, 180, 26)};

// The top-left corner of table slot 0..21.
inline constexpr QPoint SlotPosition(int slot) {
    if (slot >= 18)
        return {HandLefts[static_cast<std::size_t>(slot - 18)], HandTop};
    const int inSide = slot % 9;
    const auto& columns = slot < 9 ? PlayerColumns : OpponentColumns;
    return {columns[static_cast<std::size_t>(inSide % 3)],
            RowTops[static_cast<std::size_t>(inSide / 3)]};
}

} // namespace TableLayout
