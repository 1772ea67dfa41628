#include "Decimal.h"

namespace {
// More digits than this cannot be in range of any value the server accepts.
constexpr std::size_t MaxDigits = 18;
} // namespace

std::optional<std::int64_t> Decimal::Parse(std::string_view text, std::int64_t low,
                                           std::int64_t high) {
    if (text.empty() || text.size() > MaxDigits || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}
