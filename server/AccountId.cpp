#include "AccountId.h"

#include "Decimal.h"

namespace {
constexpr std::size_t IdDigits = 4;
constexpr int LastId = 9999;
} // namespace

std::optional<int> ParseAccountId(std::string_view text) {
    if (text.empty() || text.size() > IdDigits)
        return std::nullopt;
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    const auto id = Decimal::Parse(text, 1, LastId);
    return id ? std::optional<int>(static_cast<int>(*id)) : std::nullopt;
}
