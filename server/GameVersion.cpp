#include "GameVersion.h"

#include "Decimal.h"

namespace {
constexpr int MaxPart = 999;

std::optional<int> part(std::string_view text) {
    const auto value = Decimal::Parse(text, 0, MaxPart);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}
} // namespace

std::optional<GameVersion> GameVersion::FromDotted(std::string_view text) {
    const auto first = text.find('.');
    const auto second = first == std::string_view::npos ? first : text.find('.', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto major = part(text.substr(0, first));
    const auto minor = part(text.substr(first + 1, second - first - 1));
    const auto revision = part(text.substr(second + 1));
    if (!major || !minor || !revision)
        return std::nullopt;
    return GameVersion{*major, *minor, *revision};
}

std::optional<GameVersion> GameVersion::FromDigitRun(std::string_view text) {
    if (text.size() < 3 || text.size() > 6 || !Decimal::Parse(text, 0, 999999) || text[0] == '0')
        return std::nullopt;
    const auto minor = part(text.substr(1, text.size() - 2));
    if (!minor)
        return std::nullopt;
    return GameVersion{text.front() - '0', *minor, text.back() - '0'};
}

std::string GameVersion::Dotted() const {
    return std::to_string(major) + '.' + std::to_string(minor) + '.' + std::to_string(revision);
}
