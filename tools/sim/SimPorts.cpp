#include "SimPorts.h"

#include "opponent/ComputerDecision.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "rules/GameTable.h"
#include "sound/SoundEffect.h"

namespace {} // namespace

bool SimPorts::takeNextMatchRequest() {
    const bool requested = m_nextMatch;
    m_nextMatch = false;
    return requested;
}

void SimPorts::PlaySound(int effect) {
    if (effect == SoundEffect::Deal)
        ++m_totals.cardsDealt;
    else if (effect == SoundEffect::HandCardPlayed)
        ++m_totals.handCardsPlayed[0];
    else if (effect == SoundEffect::CardLaid)
        ++m_totals.handCardsPlayed[1];
}

void SimPorts::SlotChanged(int slot) {
    if (!m_out || !m_table)
        return;
    const auto text = m_table->model().text(slot).view();
    std::fprintf(m_out, "{\"ev\":\"slot\",\"slot\":%d,\"text\":\"%.*s\",\"face\":%d}\n", slot,
                 static_cast<int>(text.size()), text.data(), m_table->model().face(slot));
}

void SimPorts::TurnLight(int side) {
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"turn\",\"side\":%d}\n", side);
}

void SimPorts::MatchStarted() {
    ++m_totals.matches;
    m_setInMatch = 0;
    if (!m_out)
        return;
    std::fprintf(m_out, "{\"ev\":\"match\",\"n\":%lld,\"highscore\":%d}\n",
                 static_cast<long long>(m_totals.matches), clsPlayer::instance().Highscore());
    WriteHands();
}

void SimPorts::WriteHands() {
    const clsPlayer& player = clsPlayer::instance();
    const auto& computer = m_table->computer().HandCards();
    std::fprintf(m_out, "{\"ev\":\"hand\",\"side\":0,\"kinds\":[%d,%d,%d,%d]}\n",
                 player.HandCard(0), player.HandCard(1), player.HandCard(2), player.HandCard(3));
    std::fprintf(m_out, "{\"ev\":\"hand\",\"side\":1,\"kinds\":[%d,%d,%d,%d]}\n", computer[0].Kind,
                 computer[1].Kind, computer[2].Kind, computer[3].Kind);
}

void SimPorts::SetStarted(int beginner) {
    ++m_totals.sets;
    ++m_setInMatch;
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"set\",\"n\":%d,\"begins\":%d}\n", m_setInMatch, beginner);
}

void SimPorts::SideStands(int side) {
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"stand\",\"side\":%d}\n", side);
}

void SimPorts::TurnEnded() {
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"endturn\",\"side\":0}\n");
}

void SimPorts::SetEvaluated(int result) {
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"result\",\"code\":%d}\n", result);
}

void SimPorts::SetDecided(int winner) {
    if (winner == 2)
        ++m_totals.ties;
    else
        ++m_totals.setWins[winner];
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"setwin\",\"who\":%d}\n", winner);
}

void SimPorts::MatchDecided(int winner) {
    ++m_totals.matchWins[winner];
    if (m_out)
        std::fprintf(m_out, "{\"ev\":\"matchwin\",\"who\":%d}\n", winner);
}

void SimPorts::ComputerDecided(const ComputerDecision& d) {
    if (!m_out)
        return;
    std::fprintf(m_out, "{\"ev\":\"ai\",\"count\":%d,\"player\":%d,\"playerStands\":%s,\"hand\":[",
                 d.count, d.playerCount, d.playerStands ? "true" : "false");
    for (int i = 0; i < 4; ++i)
        std::fprintf(m_out, "%s{\"kind\":%d,\"temp\":%d}", i ? "," : "", d.hand[i].Kind,
                     d.hand[i].TempValue);
    if (d.candidate < 0)
        std::fprintf(m_out, "],\"candidate\":null,\"played\":false}\n");
    else
        std::fprintf(m_out, "],\"candidate\":%d,\"played\":%s}\n", d.candidate,
                     d.plays ? "true" : "false");
}
