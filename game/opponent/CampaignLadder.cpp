#include "opponent/CampaignLadder.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "shell/Ports.h"
#include "shell/ReadOr.h"

#include <array>

namespace {
// The side decks of the ladder, weakest first.
constexpr int DeckA[] = {0, 1, 2, 3, 4};
constexpr int DeckB[] = {2, 3, 4, 8, 9, 10};
constexpr int DeckC[] = {1, 2, 3, 7, 8, 9, 12, 17};
constexpr int DeckD[] = {12, 13, 14, 15};
constexpr int DeckE[] = {2, 3, 4, 5, 11, 12, 13, 15, 16, 19};
constexpr int DeckF[] = {14, 15, 17, 18, 19, 20, 21, 22};
constexpr int DeckG[] = {18, 19, 20, 21, 22};
constexpr int DeckH[] = {14, 15, 18, 22};

using CampaignLadder::Rung;

const std::array<Rung, CampaignLadder::LastLevel> Ladder{{
    {"Rilo Vask", "Corvessa", 75, 15, DeckA},
    {"Marek Oss", "Amarun", 120, 20, DeckB},
    {"Tessa Qorn", "Amarun", 125, 25, DeckB},
    {"V3-L9", "Kesh Valdun", 150, 25, DeckB},
    {"Brannic", "Phelon", 150, 30, DeckB},
    {"Hubo Zandar", "Wendrath", 150, 50, DeckB},
    {"Orvel", "Phelon", 210, 30, DeckB},
    {"Quillan", "Phelon", 175, 35, DeckB},
    {"Dask Morrow", "Sarrowin", 250, 125, DeckB},
    {"Ve'nia", "Corvessa", 280, 40, DeckB},
    {"Trebbit", "Sarrowin", 225, 75, DeckB},
    {"Yeshi", "Halvane", 360, 60, DeckC},
    {"Grell Osti", "Drethis", 300, 75, DeckC},
    {"Miro Calden", "Ulluma", 450, 75, DeckC},
    {"Pell Drummet", "Ulluma", 350, 70, DeckC},
    {"Hubo Zandar", "Wendrath", 500, 250, DeckD},
    {"Dask Morrow", "Sarrowin", 540, 180, DeckD},
    {"Trebbit", "Sarrowin", 550, 175, DeckD},
    {"Ozren Vel", "Cendra", 600, 200, DeckD},
    {"Ferrik", "Kesh Valdun", 600, 100, DeckE},
    {"Lumaine", "Kesh Valdun", 900, 150, DeckF},
    {"The Regent", "Kesh Valdun", 750, 250, DeckG},
    {"Hubo Zandar", "Wendrath", 1000, 300, DeckD},
    {"Dask Morrow", "Sarrowin", 2500, 750, DeckD},
    {"Trebbit", "Sarrowin", 5000, 1500, DeckD},
    {"Ozren Vey", "Cendra", 10000, 2000, DeckH},
    // The mirror match: name and planet come from the language file, nothing is at stake and
    // the computer plays with a copy of the player's own hand.
    {"", "", 0, 0, {}},
}};
} // namespace

bool CampaignLadder::isLevel(int level) {
    return level >= FirstLevel && level <= LastLevel;
}

const Rung& CampaignLadder::rung(int level) {
    return Ladder[static_cast<std::size_t>(level - FirstLevel)];
}

void clsOpponent::CreateNPC() {
    m_sideDeck.fill(false);
    const int level = ReadOr(
        "CreateNPC", [] { return clsPlayer::instance().Level(); }, 0);
    if (!CampaignLadder::isLevel(level)) {
        ReportError(21, QStringLiteral("CreateNPC"), QStringLiteral("Invalid player level."));
        return;
    }
    const Rung& row = CampaignLadder::rung(level);
    if (level == CampaignLadder::LastLevel) {
        m_name = clsLanguage::instance().Yourself();
        m_planet = clsLanguage::instance().Earth();
    } else {
        m_name = QString::fromUtf8(row.name);
        m_planet = QString::fromUtf8(row.planet);
    }
    m_baseCredits = row.baseCredits;
    m_wagerLimit = row.wagerLimit;
    for (int kind : row.sideDeck)
        m_sideDeck[static_cast<std::size_t>(kind)] = true;
}
