#include "campaign/CampaignBoard.h"

#include "opponent/CampaignLadder.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

namespace {
void FillCaptions(CampaignBoard& board) {
    const clsLanguage& texts = clsLanguage::instance();
    board.title = texts.Campaign();
    board.play = texts.Play();
    board.trade = texts.Trade();
    board.winsCaption = texts.MatchesWon();
    board.lossesCaption = texts.MatchesLost();
}

void FillPlayer(CampaignBoard& board) {
    const clsPlayer& player = clsPlayer::instance();
    board.credits = CampaignBoard::PlayerCredits();
    board.wins = QString::number(player.Wins());
    board.losses = QString::number(player.Losses());
    board.level =
        clsLanguage::instance().Level() + QLatin1Char(' ') + QString::number(player.Level());
    board.tradeEnabled = player.Level() < CampaignLadder::LastLevel;
}

void FillOpponent(CampaignBoard& board) {
    clsOpponent& opponent = clsOpponent::instance();
    opponent.CreateNPC();
    board.npcName = opponent.Name();
    board.npcPlanet = clsLanguage::instance().Planet() + QStringLiteral(": ") + opponent.Planet();
    board.portrait = CampaignBoard::PortraitOf(clsPlayer::instance().Level());
    try {
        board.npcCredits = QStringLiteral("Credits: ") + QString::number(opponent.Credits());
    } catch (const GameError& e) {
        // Stored winnings that no longer add up: said once, the rest of the window still works.
        ReportError(e.number(), QStringLiteral("frmCampaign"), QString::fromLatin1(e.what()));
    }
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
