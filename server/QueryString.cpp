#include "QueryString.h"

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}
} // namespace

std::optional<QueryParams> ParseQuery(std::string_view target) {
    QueryParams params;
    const auto question = target.find('?');
    if (question == std::string_view::npos)
        return params;
    std::string_view rest = target.substr(question + 1);
    while (!rest.empty()) {
        const auto amp = rest.find('&');
        const std::string_view piece = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        if (piece.empty())
            continue;
        const auto equals = piece.find('=');
        const auto name = decoded(piece.substr(0, equals));
        const auto value = decoded(equals == std::string_view::npos ? std::string_view()
                                                                    : piece.substr(equals + 1));
        if (!name || !value)
            return std::nullopt;
        params.emplace(std::move(*name), std::move(*value));
    }
    return params;
}
