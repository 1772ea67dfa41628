#pragma once

#include <limits>
#include <stdexcept>

// A run-time error of the game: the number and description that ReportError shows under the
// name of the procedure that catches it.
class GameError : public std::runtime_error {
public:
    GameError(long number, const char* description)
        : std::runtime_error(description), m_number(number) {}
    long number() const { return m_number; }

    static constexpr long OverflowNumber = 6;

    // Sums and differences of credits and counts: a result outside T is an overflow error.
    template <typename T> static T add(T a, T b) {
        T result;
        if (__builtin_add_overflow(a, b, &result))
            throw GameError(OverflowNumber, "Overflow");
        return result;
    }
    template <typename T> static T sub(T a, T b) {
        T result;
        if (__builtin_sub_overflow(a, b, &result))
            throw GameError(OverflowNumber, "Overflow");
        return result;
    }
    template <typename T> static T mul(T a, T b) {
        T result;
        if (__builtin_mul_overflow(a, b, &result))
            throw GameError(OverflowNumber, "Overflow");
        return result;
    }

private:
    long m_number;
};
