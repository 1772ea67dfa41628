#include "campaign/WagerRules.h"

#include <algorithm>

std::int32_t WagerRules::Preset(std::int32_t credits, std::int32_t maxWager) {
    return credits < maxWager ? credits : maxWager;
}

std::optional<std::int64_t> WagerRules::Amount(const QString& text) {
    // Only plain digits: no sign, no spaces, nothing a key press could not have typed.
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt; // longer than any amount could be
    return value;
}

bool WagerRules::Accepts(const QString& text, std::int32_t credits, std::int32_t maxWager) {
    const std::optional<std::int64_t> v = Amount(text);
    return v && *v >= 0 && *v <= credits && *v <= Ceiling && *v <= maxWager;
}
