#include "rules/ScoreBoard.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/TableArt.h"
#include "rules/TableLabel.h"
#include "rules/TableLayout.h"

#include <QLabel>

ScoreBoard::ScoreBoard(QWidget* table)
    : QObject(table), m_table(table),
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

void ScoreBoard::TextsOnLoad() {
    lblPlayerName->setText(clsPlayer::instance().Name());
    lblOpponentName->setText(clsOpponent::instance().Name());
    lblPlayerCount->setText(QStringLiteral("0"));
    lblOpponentCount->setText(QStringLiteral("0"));
}

void ScoreBoard::CountsChanged(std::int16_t player, std::int16_t opponent) {
    lblOpponentCount->setText(QString::number(opponent));
    lblPlayerCount->setText(QString::number(player));
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
}

void ScoreBoard::SideStands(int side) {
    const QString name = side == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name();
    lblStands[static_cast<std::size_t>(side)]->setText(name + QLatin1Char(' ') +
                                                       clsLanguage::instance().Stands());
}
