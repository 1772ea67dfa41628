#pragma once

#include "opponent/ComputerDecision.h"
#include "rules/TablePorts.h"

#include "rules/TableModel.h"

#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Table ports that take no time and remember every call, for checking what the flow did.
class RecordingPorts : public TablePorts {
public:
    std::vector<int> waits;
    std::vector<QString> messages;
    std::vector<int> sounds;
    std::vector<std::pair<QString, QString>> commands;
    std::vector<int> stats;
    std::vector<int> markers;
    std::vector<int> results;
    std::vector<int> hiddenOpponentCards;
    std::vector<int> stands;
    std::vector<ComputerDecision> decisions;
    // Every text a table slot took, in order (needs the model to read it).
    const TableModel* model = nullptr;
    std::vector<std::pair<int, std::string>> slotTexts;
    int closed = 0;
    int reopened = 0;
    // Runs inside every wait, as window events would.
    std::function<void(int)> duringWait;

    void Wait(int ms) override;
    void ShowMessage(const QString& message, const QString&, const QString&) override;
    void PlaySound(int effect) override { sounds.push_back(effect); }
    void SendCommand(const QString& command, const QString& argument) override;
    void UploadStats(int win) override { stats.push_back(win); }
    void AddChatLine(const QString&, int) override {}
    void SlotChanged(int slot) override;
    void CountsChanged(std::int16_t, std::int16_t) override {}
    void TurnLight(int) override {}
    void ShowWinMarker(int marker) override { markers.push_back(marker); }
    void ButtonsNormal() override {}
    void ButtonsInactive() override {}
    void HandControls(int, bool, bool) override {}
    void OpponentHandCardHidden(int index) override { hiddenOpponentCards.push_back(index); }
    void CloseTable() override { ++closed; }
    void ReopenSideDeckSelection() override { ++reopened; }
    void SetEvaluated(int result) override { results.push_back(result); }
    void SideStands(int side) override { stands.push_back(side); }
    void ComputerDecided(const ComputerDecision& d) override { decisions.push_back(d); }
};
