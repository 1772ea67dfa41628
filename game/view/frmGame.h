#pragma once

#include "rules/GameTable.h"
#include "rules/MatchStatistics.h"
#include "rules/NoPeer.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

class CardView;
class ChatStrip;
class PlateButton;
class QLabel;
class ScoreBoard;
class TableHighlights;

// The game table: a view of one match. It draws the table's model, forwards clicks and keys to
// the match and gives the match its waits, messages, sounds and looks. Side 0 plays on the left
// half, side 1 on the right; the chat strip below the table is only inside the window in
// multiplayer. The window deletes itself once its match is over and nothing waits inside it.
class frmGame : public QWidget, private TableView, private TableEffects, private MatchStatistics {
    Q_OBJECT
public:
    // peer: the other program of a multiplayer match; none outside multiplayer.
    explicit frmGame(TablePeer* peer = nullptr);
    ~frmGame() override;

    // Opens the match while the window is still hidden; deals asked for before the window is
    // shown are made once it is.
    void StartMatch();
    // The player confirmed the quit question: the match is abandoned and the table closes.
    void Abandon();
    const GameTable& table() const { return m_table; }
    // The other program's moves reach the match through here, like the window's own clicks: the
    // window outlives whatever the action waits for.
    void Hold(const std::function<void(GameTable&)>& action);
    // The connection state text of the chat strip.
    void ShowConnectionState(const QString& text);
    // Set while a button or control shows its highlight: no second one until it is cleared.
    bool HighlightFlag() const;

    // The table's pauses are multiplied by this (tests shorten them; 1 in the program).
    static void setWaitScale(double scale);

Q_SIGNALS:
    // The match is over or abandoned and the table is out of sight.
    void closed();
    // Right after closed(): a single-game series goes on with the next side deck selection.
    void seriesGoesOn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // TableEffects
    void Wait(int ms) override;
    void ShowMessage(const QString& message, const QString& firstButton,
                     const QString& secondButton) override;
    void PlaySound(int effect) override;
    // MatchStatistics
    void ReportMatch(int win) override;
    // TableView
    void AddChatLine(const QString& line, int type) override;
    void SlotChanged(int slot) override;
    void CountsChanged(std::int16_t player, std::int16_t opponent) override;
    void TurnLight(int side) override;
    void ShowWinMarker(int marker) override;
    void ButtonsNormal() override;
    void ButtonsInactive() override;
    void HandControls(int handIndex, bool sign, bool magnitude) override;
    void OpponentHandCardHidden(int index) override;
    void CloseTable() override;
    void ReopenSideDeckSelection() override;
    void SetStarted(int beginner) override;
    void SetDecided(int winner) override;
    void SideStands(int side) override;

    void makeCards();
    void makeControls();
    void makeButtons();
    void TextsOnLoad();
    void KeyboardOrder();
    void NameSlot(int slot);
    void ActionStates();

    void Activate();
    // Every call into the match goes through here, so the window outlives whatever waits in it.
    template <typename F> void Run(F&& action);

    NoPeer m_noPeer;
    TablePeer& m_peer;
    GameTable m_table;
    QPixmap m_backdrop;
    TableHighlights* m_looks;
    ScoreBoard* m_scores;
    std::array<CardView*, TableModel::SlotCount> imgCard{};
    std::array<CardView*, 4> imgOpponentHand{};
    std::array<PlateButton*, 4> imgFlip{};
    std::array<PlateButton*, 4> imgValueChange{};
    std::array<PlateButton*, 4> lblButton{};
    QLabel* lblPlayerHand;
    QLabel* lblOpponentHand;
    std::array<QLabel*, 2> lblChange{};
    ChatStrip* m_chat = nullptr;
    bool m_closed = false;
    int m_depth = 0;
};
