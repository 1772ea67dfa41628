#include "rules/MatchSettlement.h"

#include "opponent/CampaignLadder.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "rules/GameTable.h"
#include "rules/MatchStatistics.h"
#include "rules/TableEffects.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"
#include "shell/Ports.h"

#include <cstdint>

void MatchSettlement::EndMatch(int winner) {
    m_table.view().MatchDecided(winner);
    AnnounceMatch(winner);
    try {
        if (winner == 0)
            PlayerWon();
        else
            OpponentWon();
    } catch (const GameError& e) {
        ReportError(e.number(), QStringLiteral("EndMatch"), QString::fromLatin1(e.what()));
        m_table.CloseTable();
    }
}

void MatchSettlement::AnnounceMatch(int winner) {
    OpponentPlayer& opponent = m_table.opponentPlayer();
    if (!opponent.Remote())
        return;
    const QString name =
        winner == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name();
    m_table.view().AddChatLine(name + QLatin1Char(' ') + clsLanguage::instance().HasWonMatch(), 0);
    GameState::instance().MatchOver = true;
    opponent.TellResult(m_table, winner);
}

void MatchSettlement::PlayerWon() {
    m_table.effects().ShowMessage(clsLanguage::instance().MatchWon());
    const int mode = GameState::instance().GameMode;
    if (mode == GameState::SingleGame)
        SingleGameWon();
    else if (mode == GameState::Campaign)
        CampaignWon();
    else
        Finish(1, false);
}

void MatchSettlement::SingleGameWon() {
    clsPlayer& player = clsPlayer::instance();
    player.setCredits(GameError::add(player.Credits(), player.Wager));
    KeepHighscore();
    Finish(1, true);
}

void MatchSettlement::CampaignWon() {
    clsPlayer& player = clsPlayer::instance();
    player.setWins(GameError::add<std::int16_t>(player.Wins(), 1));
    // The loss booked when the match started is taken back.
    player.setLosses(GameError::sub<std::int16_t>(player.Losses(), 1));
    if (player.Level() != CampaignLadder::LastLevel) {
        // The player's stake comes back together with the opponent's.
        clsOpponent& opponent = clsOpponent::instance();
        const std::int32_t stakes = GameError::mul(player.Wager, 2);
        opponent.setCredits(GameError::sub(opponent.Credits(), stakes));
        player.setCredits(GameError::add(player.Credits(), stakes));
        if (opponent.Credits() < 1) {
            player.setLevel(static_cast<std::uint8_t>(player.Level() + 1));
            opponent.ResetTempCredits();
            const clsLanguage& texts = clsLanguage::instance();
            m_table.effects().ShowMessage(player.Level() == CampaignLadder::LastLevel
                                              ? texts.CampaignEnd()
                                              : texts.NextLevel());
        }
    }
    Finish(1, false);
}

void MatchSettlement::OpponentWon() {
    if (GameState::instance().GameMode == GameState::SingleGame) {
        SingleGameLost();
        return;
    }
    m_table.effects().ShowMessage(clsLanguage::instance().MatchLost());
    Finish(0, false);
}

void MatchSettlement::SingleGameLost() {
    clsPlayer& player = clsPlayer::instance();
    player.setCredits(GameError::sub(player.Credits(), player.Wager));
    KeepHighscore();
    const clsLanguage& texts = clsLanguage::instance();
    if (player.Credits() > 0) {
        m_table.effects().ShowMessage(texts.MatchLost());
        Finish(0, true);
        return;
    }
    // The series is over: the main window returns.
    m_table.effects().ShowMessage(texts.MatchLost() + QStringLiteral("\r\n") +
                                  texts.NoCreditsLeft());
    Finish(0, false);
}

void MatchSettlement::KeepHighscore() {
    clsPlayer& player = clsPlayer::instance();
    if (player.Highscore() < player.Credits())
        player.setHighscore(player.Credits());
}

void MatchSettlement::Finish(int win, bool nextMatch) {
    m_table.statistics().ReportMatch(win);
    m_table.CloseTable();
    if (nextMatch)
        m_table.view().ReopenSideDeckSelection();
}

void MatchSettlement::Abandon() {
    if (!m_table.IsOpen())
        return;
    if (GameState::instance().GameMode == GameState::SingleGame)
        KeepHighscore();
    Finish(0, false);
}
