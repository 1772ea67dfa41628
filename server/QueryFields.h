#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Reads the parameters of one request. A parameter counts only when it is given exactly once;
// a repeated parameter is as good as a missing one, so a request cannot mean two things.
class QueryFields {
public:
    explicit QueryFields(const std::multimap<std::string, std::string>& query) : m_query(query) {}

    std::optional<std::string_view> Text(const std::string& name) const;
    std::optional<std::int64_t> Number(const std::string& name, std::int64_t low,
                                       std::int64_t high) const;
    // An online ID (see ParseAccountId).
    std::optional<int> AccountId() const;
    // A password digest: exactly 32 lowercase hexadecimal digits.
    std::optional<std::string_view> Digest() const;

private:
    const std::multimap<std::string, std::string>& m_query;
};
