#pragma once

#include "rules/MatchStatistics.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"

#include <array>
#include <cstdint>
#include <cstdio>

class GameTable;

// What a run of simulated matches added up to.
struct SimTotals {
    std::int64_t matches = 0;
    std::int64_t sets = 0;
    std::int64_t ties = 0;
    std::array<std::int64_t, 2> setWins{};
    std::array<std::int64_t, 2> matchWins{};
    std::int64_t cardsDealt = 0;
    std::array<std::int64_t, 2> handCardsPlayed{};
};

// The table's ports without a window: waits and sounds take no time, messages go nowhere,
// there is no peer. Counts what happened and, given a file, writes one JSON line per event.
class SimPorts : public TableView, public TableEffects, public MatchStatistics {
public:
    explicit SimPorts(std::FILE* transcript) : m_out(transcript) {}

    void setTable(const GameTable* table) { m_table = table; }
    const SimTotals& totals() const { return m_totals; }
    // The series goes on with another match (set when the table asks for the side deck
    // selection again).
    bool takeNextMatchRequest();

    void Wait(int) override {}
    void ShowMessage(const QString&, const QString&, const QString&) override {}
    void PlaySound(int effect) override;
    void ReportMatch(int) override {}
    void AddChatLine(const QString&, int) override {}
    void SlotChanged(int slot) override;
    void CountsChanged(std::int16_t, std::int16_t) override {}
    void TurnLight(int side) override;
    void ShowWinMarker(int) override {}
    void ButtonsNormal() override {}
    void ButtonsInactive() override {}
    void HandControls(int, bool, bool) override {}
    void OpponentHandCardHidden(int) override {}
    void CloseTable() override {}
    void ReopenSideDeckSelection() override { m_nextMatch = true; }

    void MatchStarted() override;
    void SetStarted(int beginner) override;
    void SideStands(int side) override;
    void TurnEnded() override;
    void SetEvaluated(int result) override;
    void SetDecided(int winner) override;
    void MatchDecided(int winner) override;
    void ComputerDecided(const ComputerDecision& decision) override;

private:
    void WriteHands();

    std::FILE* m_out;
    const GameTable* m_table = nullptr;
    SimTotals m_totals;
    int m_setInMatch = 0;
    bool m_nextMatch = false;
};
