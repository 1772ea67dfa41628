#pragma once

#include "opponent/ComputerDecision.h"
#include "rules/MatchStatistics.h"
#include "rules/TableEffects.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"

#include "rules/TableModel.h"

#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Table ports that take no time and remember every call, for checking what the flow did. The
// peer's events are kept as short readable lines ("card 0 5 7", "turn 1", "end", ...).
class RecordingPorts : public TableView,
                       public TableEffects,
                       public TablePeer,
                       public MatchStatistics {
public:
    std::vector<int> waits;
    std::vector<QString> messages;
    std::vector<int> sounds;
    std::vector<std::string> told;
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
    // The three kinds of call that keep window events running while they block: the pause, the
    // message box and a line sent to the other program.
    enum class Blocking { Pause, Message, Send };
    // Runs inside every such call, once it is recorded, as window events would.
    std::function<void(Blocking)> duringWait;

    void Wait(int ms) override;
    void ShowMessage(const QString& message, const QString&, const QString&) override;
    void PlaySound(int effect) override { sounds.push_back(effect); }
    void ReportMatch(int win) override { stats.push_back(win); }
    void CardPlaced(int side, int face, const CardText& text) override;
    void SlotRewritten(int slot, const CardText& text) override;
    void TurnGiven(int side) override { tell("turn " + std::to_string(side)); }
    void ResultDecided(int winner) override { tell("won " + std::to_string(winner)); }
    void EndedTurn() override { tell("end"); }
    void Stood() override { tell("stand"); }
    void SetAcknowledged() override { tell("acknowledged"); }
    void NextSet() override { tell("next set"); }
    void ChatSent(const QString& line) override { tell("chat " + line.toStdString()); }
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
    void tell(std::string line);
};
