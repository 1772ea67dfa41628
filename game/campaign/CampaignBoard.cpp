#include "campaign/CampaignBoard.h"

#include "opponent/CampaignLadder.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "shell/ReadOr.h"

namespace {
void FillCaptions(CampaignBoard& board) {
    const clsLanguage& texts = clsLanguage::instance();
    board.title = texts.Campaign();
    board.play = texts.Play();
    board.trade = texts.Trade();
    board.winsCaption = texts.MatchesWon();
    board.lossesCaption = texts.MatchesLost();
}

constexpr const char* Procedure = "frmCampaign";

// The campaign values as stored; one that the property cannot hand out is reported and shows
// as 0.
void FillPlayer(CampaignBoard& board) {
    const clsPlayer& player = clsPlayer::instance();
    board.credits = CampaignBoard::PlayerCredits();
    board.wins = QString::number(ReadOr(
        Procedure, [&] { return player.Wins(); }, 0));
    board.losses = QString::number(ReadOr(
        Procedure, [&] { return player.Losses(); }, 0));
    const int level = ReadOr(
        Procedure, [&] { return player.Level(); }, 0);
    board.level = clsLanguage::instance().Level() + QLatin1Char(' ') + QString::number(level);
    board.tradeEnabled = CampaignLadder::isLevel(level) && level < CampaignLadder::LastLevel;
    board.portrait = CampaignBoard::PortraitOf(level);
}

void FillOpponent(CampaignBoard& board) {
    clsOpponent& opponent = clsOpponent::instance();
    opponent.CreateNPC();
    board.npcName = opponent.Name();
    board.npcPlanet = clsLanguage::instance().Planet() + QStringLiteral(": ") + opponent.Planet();
    // Stored winnings that no longer add up: said once, the rest of the window still works.
    const std::int32_t credits = ReadOr(
        Procedure, [&] { return opponent.Credits(); }, 0);
    board.npcCredits = QStringLiteral("Credits: ") + QString::number(credits);
}
} // namespace

CampaignBoard CampaignBoard::Open() {
    CampaignBoard board;
    FillCaptions(board);
    GameState::instance().GameMode = GameState::Campaign;
    FillPlayer(board);
    FillOpponent(board);
    return board;
}

QString CampaignBoard::PlayerCredits() {
    return QString::number(clsPlayer::instance().Credits());
}

int CampaignBoard::PortraitOf(int level) {
    switch (level) {
    case 16:
    case 23:
        return 6;
    case 17:
    case 24:
        return 9;
    case 18:
    case 25:
        return 11;
    case 26:
        return 19;
    default:
        return CampaignLadder::isLevel(level) ? level : 0;
    }
}
