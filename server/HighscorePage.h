#pragma once

#include "Storage.h"

#include <string>
#include <vector>

// The product web site's highscore page: the best highscore of every account, best first, and
// each account's won and lost matches by game mode. Accounts appear by their online ID, the way
// the game shows it (four digits at least).
namespace HighscorePage {
inline constexpr int ShownHighscores = 100;

std::string Render(const std::vector<HighscoreRow>& best, const std::vector<ModeTally>& tallies);
} // namespace HighscorePage
