#pragma once

#include <QObject>
#include <array>
#include <cstdint>

class QLabel;
class QPixmap;
class QPoint;
class QString;
class QWidget;
struct MatchState;

// The top of the game table: both sides' names and counts, their turn lights, the set-win
// markers below the lights and the line that tells when a side stands. Its pieces are the
// table's own passive children, painted over the table's background.
class ScoreBoard : public QObject {
public:
    ScoreBoard(QWidget* table, const MatchState& match);

    void TextsOnLoad();
    void CountsChanged(std::int16_t player, std::int16_t opponent);
    void TurnLight(int side);
    void ShowWinMarker(int marker);
    // A new set: no side stands yet.
    void ClearStands();
    void SideStands(int side);
    // A set is decided: the status line says why when the tie-breaker decided it.
    void SetDecided(int winner);

private:
    static QString SideName(std::size_t side);
    void ShowStake();
    static void ShowCount(QLabel* label, std::size_t side, std::int16_t count);
    QLabel* makePicture(const QString& name, const QPixmap& picture, QPoint at);

    QWidget* m_table;
    const MatchState& m_match;
    QLabel* lblPlayerName;
    QLabel* lblOpponentName;
    QLabel* lblPlayerCount;
    QLabel* lblOpponentCount;
    std::array<QLabel*, 2> imgRed{};
    std::array<QLabel*, 6> imgWin{};
    std::array<QLabel*, 2> lblStands{};
    QLabel* lblStake;
    QLabel* lblStatus;
};
