#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

// The text of one card on the table or in the hand: "7", "+3", "-1T", "0", "D", "2&4".
// The rules read counts, tie-breakers and rewrites straight from these texts, so they are
// kept as a tiny fixed-size value that never allocates. Longer input is cut to the capacity;
// no rule produces a text longer than four characters.
class CardText {
public:
    static constexpr std::size_t Capacity = 7;

    constexpr CardText() = default;
    constexpr CardText(const char* text) : CardText(std::string_view(text)) {}
    constexpr explicit CardText(std::string_view text) {
        m_length = static_cast<std::uint8_t>(text.size() < Capacity ? text.size() : Capacity);
        for (std::size_t i = 0; i < m_length; ++i)
            m_chars[i] = text[i];
    }

    // The signed number as a side card shows it: "+3", "-3", "0"; with plusSign false a
    // positive number is written plain, as a main-deck card shows it ("3").
    static CardText fromNumber(int value, bool plusSign);

    // This text with one more character ("-1" + 'T' gives "-1T").
    CardText appended(char c) const;

    bool empty() const { return m_length == 0; }
    std::string_view view() const { return {m_chars.data(), m_length}; }
    char front() const { return m_length ? m_chars[0] : '\0'; }
    char back() const { return m_length ? m_chars[m_length - 1] : '\0'; }

    // An optional leading "+" or "-" followed by at least one digit, nothing else.
    bool isNumber() const;
    // The signed number of a numeric text (0 for any other text).
    int number() const;
    // "+1T", "1T" or "-1T".
    bool isTieBreaker() const;
    // What the card adds to its side's count: +1 or -1 for a tie-breaker, otherwise the number.
    int value() const;

    QString toQString() const;
    bool operator==(const CardText& other) const { return view() == other.view(); }

private:
    std::array<char, Capacity> m_chars{};
    std::uint8_t m_length = 0;
};
