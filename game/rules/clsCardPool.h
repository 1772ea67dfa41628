#pragma once

#include <array>
#include <cstdint>

class RandomSource;

// The main deck of one table: forty cards, four of each value 1 to 10, shuffled anew for every
// set with the table's random source.
class clsCardPool {
public:
    static constexpr int Size = 40;

    explicit clsCardPool(RandomSource& random) : m_random(&random) {}

    // Four cards of each value in order, then forty exchanges of two randomly drawn positions.
    void CreateNew();
    // The card at the top of the deck. An exhausted deck is reported, rebuilt and dealt from.
    std::uint8_t GetCard();

    std::int16_t Top() const { return m_top; }
    std::uint8_t CardAt(int position) const { return m_cards[position]; }

private:
    RandomSource* m_random;
    std::array<std::uint8_t, Size> m_cards{};
    std::int16_t m_top = -1;
};
