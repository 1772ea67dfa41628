#include "QueryFields.h"

#include "AccountId.h"
#include "Decimal.h"

#include <algorithm>

namespace {
constexpr std::size_t DigestLength = 32;

bool isLowerHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}
} // namespace

std::optional<std::string_view> QueryFields::Text(const std::string& name) const {
    if (m_query.count(name) != 1)
        return std::nullopt;
    return std::string_view(m_query.find(name)->second);
}

std::optional<std::int64_t> QueryFields::Number(const std::string& name, std::int64_t low,
                                                std::int64_t high) const {
    const auto text = Text(name);
    return text ? Decimal::Parse(*text, low, high) : std::nullopt;
}

std::optional<int> QueryFields::AccountId() const {
    const auto text = Text("id");
    return text ? ParseAccountId(*text) : std::nullopt;
}

std::optional<std::string_view> QueryFields::Digest() const {
    const auto text = Text("pw");
    if (!text || text->size() != DigestLength ||
        !std::all_of(text->begin(), text->end(), isLowerHex))
        return std::nullopt;
    return text;
}
