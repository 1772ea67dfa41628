#pragma once

#include "rules/GameTable.h"
#include "rules/TablePorts.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class CardView;
class PlateButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The game table: a view of one match. It draws the table's model, forwards clicks and keys to
// the match and gives the match its waits, messages, sounds and looks. Side 0 plays on the left
// half, side 1 on the right; the chat strip below the table is only inside the window in
// multiplayer. The window deletes itself once its match is over and nothing waits inside it.
class frmGame : public QWidget, private TablePorts {
    Q_OBJECT
public:
    frmGame();
    ~frmGame() override;

    // Opens the match while the window is still hidden; deals asked for before the window is
    // shown are made once it is.
    void StartMatch();
    const GameTable& table() const { return m_table; }
    // Set while a button or control shows its highlight: no second one until it is cleared.
    bool HighlightFlag() const { return m_highlight; }

    // The table's pauses are multiplied by this (tests shorten them; 1 in the program).
    static void setWaitScale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // TablePorts
    void Wait(int ms) override;
    void ShowMessage(const QString& message, const QString& firstButton,
                     const QString& secondButton) override;
    void PlaySound(int effect) override;
    void SendCommand(const QString& command, const QString& argument) override;
    void UploadStats(int win) override;
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
    void SideStands(int side) override;

    void makeCards();
    void makeControls();
    void makeButtons();
    void makeChatStrip();
    void TextsOnLoad();
    QLabel* makeLabel(const QString& name, QPoint at, int width, int pointSize);
    QLabel* makePicture(const QString& name, const QPixmap& picture, QPoint at);

    void HighlightButton(int index);
    void ClearHighlights();
    void HighlightControl(PlateButton* control);
    void Send();
    void Activate();
    // Every call into the match goes through here, so the window outlives whatever waits in it.
    template <typename F> void Run(F&& action);

    GameTable m_table;
    QPixmap m_backdrop;
    std::array<CardView*, TableModel::SlotCount> imgCard{};
    std::array<CardView*, 4> imgOpponentHand{};
    std::array<PlateButton*, 4> imgFlip{};
    std::array<PlateButton*, 4> imgValueChange{};
    std::array<PlateButton*, 4> lblButton{};
    std::array<QLabel*, 2> imgRed{};
    std::array<QLabel*, 6> imgWin{};
    std::array<QLabel*, 2> lblStands{};
    QLabel* lblPlayerName;
    QLabel* lblOpponentName;
    QLabel* lblPlayerCount;
    QLabel* lblOpponentCount;
    QLabel* lblPlayerHand;
    QLabel* lblOpponentHand;
    std::array<QLabel*, 2> lblChange{};
    QPlainTextEdit* chbChat = nullptr;
    QLineEdit* txtMessage = nullptr;
    QLabel* txtState = nullptr;
    bool m_highlight = false;
    bool m_closed = false;
    int m_depth = 0;
};
