#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

using QueryParams = std::multimap<std::string, std::string>;

// The parameters of a request target such as "/stats.php?mode=check&id=42&pw=...". Each
// "name=value" piece is split at its first '=', so a value keeps any further '=' (and is then
// refused by its check) instead of being silently cut. Percent escapes must be complete ("%"
// and two hexadecimal digits); a target with a broken escape has no parameters at all.
std::optional<QueryParams> ParseQuery(std::string_view target);
