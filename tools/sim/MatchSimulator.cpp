#include "MatchSimulator.h"

#include "binding/MemoryRecordFile.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/CardKind.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <memory>

namespace {
// One highscore per tier of the computer's side deck, so that every tier gets played.
constexpr std::int32_t SeriesHighscores[] = {50, 500, 5000, 50000, 500000};
constexpr int MaxTurnsPerMatch = 100000;
} // namespace

MatchSimulator::MatchSimulator(std::uint64_t seed, std::FILE* transcript)
    : m_ports(transcript), m_table(m_ports, m_ports, m_peer, m_ports) {
    clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
    GameState::instance().GameMode = GameState::SingleGame;
    Random::Seed(seed);
    m_ports.setTable(&m_table);
}

void MatchSimulator::StartSeries() {
    clsPlayer& player = clsPlayer::instance();
    const std::int32_t highscore = SeriesHighscores[Random::Pick(5)];
    player.setHighscore(highscore);
    player.setCredits(highscore);
    m_seriesRunning = true;
}

void MatchSimulator::PrepareMatch() {
    if (!m_seriesRunning)
        StartSeries();
    clsPlayer& player = clsPlayer::instance();
    const std::int32_t credits = player.Credits();
    player.Wager = credits > 1 ? credits / 2 : 1;
    for (int i = 0; i < 4; ++i)
        player.setHandCard(i, static_cast<std::int16_t>(Random::Pick(CardKind::Count)));
}

bool MatchSimulator::PlayMatch() {
    PrepareMatch();
    m_table.StartMatch();
    m_table.Activated();
    for (int turn = 0; m_table.IsOpen(); ++turn) {
        if (turn == MaxTurnsPerMatch || !m_table.match().Player().CanAct)
            return false;
        m_player.Act(m_table);
    }
    m_seriesRunning = m_ports.takeNextMatchRequest();
    return true;
}
