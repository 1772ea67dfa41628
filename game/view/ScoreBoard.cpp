#include "view/ScoreBoard.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/CardKind.h"
#include "rules/GameState.h"
#include "rules/MatchState.h"
#include "rules/Twenty.h"
#include "view/TableArt.h"
#include "view/TableLabel.h"
#include "view/TableLayout.h"

#include <QLabel>

namespace {
const QString TurnMark = QStringLiteral("\u25B6 ");
const QString SetMark = QStringLiteral("\u2605 ");
} // namespace

ScoreBoard::ScoreBoard(QWidget* table, const MatchState& match)
    : QObject(table), m_table(table), m_match(match),
      lblPlayerName(MakeTableLabel(table, QStringLiteral("lblPlayerName"), {176, 80}, 270, 12)),
      lblOpponentName(MakeTableLabel(table, QStringLiteral("lblOpponentName"), {592, 80}, 250, 12)),
      lblPlayerCount(MakeTableLabel(table, QStringLiteral("lblPlayerCount"), {461, 88}, 40, 18)),
      lblOpponentCount(
          MakeTableLabel(table, QStringLiteral("lblOpponentCount"), {530, 88}, 40, 18)) {
    for (std::size_t side = 0; side < imgRed.size(); ++side)
        imgRed[side] = makePicture(QStringLiteral("imgRed%1").arg(side), TableArt::TurnLight(),
                                   TableLayout::Lights[side]);
    for (std::size_t m = 0; m < imgWin.size(); ++m)
        imgWin[m] = makePicture(QStringLiteral("imgWin%1").arg(m), TableArt::WinMarker(),
                                {TableLayout::MarkerLefts[m / 3], TableLayout::MarkerTops[m % 3]});
    lblStands[0] = MakeTableLabel(table, QStringLiteral("lblPlayerStands"), {176, 104}, 270, 9);
    lblStands[1] = MakeTableLabel(table, QStringLiteral("lblOpponentStands"), {592, 104}, 250, 9);
    lblStake = MakeTableLabel(table, QStringLiteral("lblStake"), {176, 699}, 340, 10);
    lblStatus = MakeTableLabel(table, QStringLiteral("lblStatus"), {176, 726}, 732, 8);
}

QLabel* ScoreBoard::makePicture(const QString& name, const QPixmap& picture, QPoint at) {
    auto* label = new QLabel(m_table);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setGeometry(QRect(at, picture.size()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

QString ScoreBoard::SideName(std::size_t side) {
    return side == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name();
}

// The pictures are named for assistive tools by the side they belong to: a showing light is
// whose turn it is, each showing marker one set won.
void ScoreBoard::TextsOnLoad() {
    lblPlayerName->setText(SideName(0));
    lblOpponentName->setText(SideName(1));
    for (std::size_t side = 0; side < imgRed.size(); ++side)
        imgRed[side]->setAccessibleName(TurnMark + SideName(side));
    for (std::size_t m = 0; m < imgWin.size(); ++m)
        imgWin[m]->setAccessibleName(SetMark + SideName(m / 3) + QLatin1Char(' ') +
                                     QString::number(m % 3 + 1));
    CountsChanged(0, 0);
    ShowStake();
}

// What the match is played for, where credits are at stake: the wager and the credits left.
void ScoreBoard::ShowStake() {
    if (GameState::instance().isMultiplayer())
        return;
    const clsPlayer& player = clsPlayer::instance();
    lblStake->setText(clsLanguage::instance().Wager() + QStringLiteral(": ") +
                      QString::number(player.Wager) + QStringLiteral("   Credits: ") +
                      QString::number(player.Credits()));
}

void ScoreBoard::CountsChanged(std::int16_t player, std::int16_t opponent) {
    ShowCount(lblOpponentCount, 1, opponent);
    ShowCount(lblPlayerCount, 0, player);
}

// A count over 20 is a lost set unless a hand card still mends it: it shows in red at once.
void ScoreBoard::ShowCount(QLabel* label, std::size_t side, std::int16_t count) {
    label->setText(QString::number(count));
    label->setAccessibleName(SideName(side) + QStringLiteral(": ") + label->text());
    label->setStyleSheet(count > Twenty ? QStringLiteral("color: rgb(230, 64, 48);")
                                        : QStringLiteral("color: rgb(173, 173, 151);"));
}

void ScoreBoard::TurnLight(int side) {
    imgRed[0]->setVisible(side == 0);
    imgRed[1]->setVisible(side == 1);
}

void ScoreBoard::ShowWinMarker(int marker) {
    imgWin[static_cast<std::size_t>(marker)]->show();
}

void ScoreBoard::ClearStands() {
    for (QLabel* stands : lblStands)
        stands->clear();
    lblStatus->clear();
}

// Both sides stand on equal counts and still one has won: the tie-breaker card laid last decided
// the set. The result message stays as it is; the table's own line says why.
void ScoreBoard::SetDecided(int winner) {
    const MatchState::Side& player = m_match.Player();
    const MatchState::Side& opponent = m_match.Opponent();
    const std::int16_t count = player.Count;
    if ((winner != 0 && winner != 1) || !player.Stand || !opponent.Stand || count != opponent.Count)
        return;
    lblStatus->setText(SideName(static_cast<std::size_t>(winner)) + QStringLiteral(": ") +
                       QString::number(count) + QStringLiteral(" = ") + QString::number(count) +
                       QStringLiteral(" \u2192 ") + CardKind::ListText(CardKind::TieBreaker) +
                       QStringLiteral(" \u2013 ") + clsLanguage::instance().CardDescription_T());
}

void ScoreBoard::SideStands(int side) {
    const auto at = static_cast<std::size_t>(side);
    lblStands[at]->setText(SideName(at) + QLatin1Char(' ') + clsLanguage::instance().Stands());
}
