#include "rules/CardText.h"

#include <cstdlib>

CardText CardText::fromNumber(int value, bool plusSign) {
    char buffer[16];
    int n = 0;
    if (value < 0)
        buffer[n++] = '-';
    else if (plusSign && value > 0)
        buffer[n++] = '+';
    char digits[12];
    int d = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : unsigned(value);
    do {
        digits[d++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (d > 0)
        buffer[n++] = digits[--d];
    return CardText(std::string_view(buffer, static_cast<std::size_t>(n)));
}

CardText CardText::appended(char c) const {
    CardText result = *this;
    if (result.m_length < Capacity)
        result.m_chars[result.m_length++] = c;
    return result;
}

bool CardText::isNumber() const {
    std::size_t i = (front() == '+' || front() == '-') ? 1 : 0;
    if (i >= m_length)
        return false;
    for (; i < m_length; ++i) {
        if (m_chars[i] < '0' || m_chars[i] > '9')
            return false;
    }
    return true;
}

int CardText::number() const {
    if (!isNumber())
        return 0;
    const bool negative = front() == '-';
    int result = 0;
    for (std::size_t i = (front() == '+' || negative) ? 1 : 0; i < m_length; ++i)
        result = result * 10 + (m_chars[i] - '0');
    return negative ? -result : result;
}

bool CardText::isTieBreaker() const {
    const std::string_view v = view();
    return v == "+1T" || v == "1T" || v == "-1T";
}

int CardText::value() const {
    if (isTieBreaker())
        return front() == '-' ? -1 : 1;
    return number();
}

QString CardText::toQString() const {
    return QString::fromLatin1(m_chars.data(), static_cast<qsizetype>(m_length));
}
