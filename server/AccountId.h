#pragma once

#include <optional>
#include <string_view>

// An online ID as the game writes it: 1 to 9999, with leading zeros allowed up to four digits
// (the game shows and sends an ID with at least four). "0000" is no account.
std::optional<int> ParseAccountId(std::string_view text);
