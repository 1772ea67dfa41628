#include "campaign/frmCampaign.h"

#include "campaign/CampaignBoard.h"
#include "campaign/PortraitPainter.h"
#include "campaign/frmTrade.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"
#include "shell/modWindow.h"
#include "sidedeck/frmSelectCards.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr int Margin = 18;
constexpr QRect Portrait{Margin, 50, PortraitPainter::Width, PortraitPainter::Height};
constexpr int InfoLeft = Margin + PortraitPainter::Width + 20;
constexpr int ButtonWidth = 120;
constexpr int ButtonHeight = 24;
} // namespace

void frmCampaign::Open() {
    frmCampaign window(modWindow::MainWindow());
    if (window.exec() == QDialog::Accepted)
        frmSelectCards::Open();
}

frmCampaign::frmCampaign(QWidget* parent)
    : FramedWindow(WithCloseButton, parent),
      lblCampaign(makeLabel(QStringLiteral("lblCampaign"), {Margin, 12, 300, 26}, 15)),
      lblCredits{makeLabel(QStringLiteral("lblCredits0"), {InfoLeft, 150, 90, 20}),
                 makeLabel(QStringLiteral("lblCredits1"), {InfoLeft + 95, 150, 120, 20})},
      lblLevel(makeLabel(QStringLiteral("lblLevel"), {InfoLeft, 126, 200, 20})),
      lblWins{makeLabel(QStringLiteral("lblWins0"), {InfoLeft, 174, 90, 20}),
              makeLabel(QStringLiteral("lblWins1"), {InfoLeft + 95, 174, 200, 20})},
      lblLosses{makeLabel(QStringLiteral("lblLosses0"), {InfoLeft, 198, 90, 20}),
                makeLabel(QStringLiteral("lblLosses1"), {InfoLeft + 95, 198, 200, 20})},
      lblNPCName(makeLabel(QStringLiteral("lblNPCName"), {InfoLeft, 50, 290, 26}, 14)),
      lblNPCPlanet(makeLabel(QStringLiteral("lblNPCPlanet"), {InfoLeft, 78, 290, 20})),
      lblNPCCredits(makeLabel(QStringLiteral("lblNPCCredits"), {InfoLeft, 98, 290, 20})),
      imgNPC(makeLabel(QStringLiteral("imgNPC"), Portrait)), cmdPlay(new ctlButton(this)),
      cmdTrade(new ctlButton(this)) {
    setObjectName(QStringLiteral("frmCampaign"));
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdTrade->setObjectName(QStringLiteral("cmdTrade"));
    layOut();
    Load();
    connect(cmdPlay, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cmdTrade, &QAbstractButton::clicked, this, &frmCampaign::ShowTrade);
}

QLabel* frmCampaign::makeLabel(const QString& name, const QRect& place, int pointSize) {
    return MakeWindowLabel(this, name, place, pointSize);
}

void frmCampaign::layOut() {
    setFixedSize(WindowWidth, WindowHeight);
    lblCampaign->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    lblNPCName->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    const int top = WindowHeight - Margin - ButtonHeight;
    cmdTrade->setGeometry(WindowWidth - 2 * (Margin + ButtonWidth), top, ButtonWidth, ButtonHeight);
    cmdPlay->setGeometry(WindowWidth - Margin - ButtonWidth, top, ButtonWidth, ButtonHeight);
}

void frmCampaign::Load() {
    const CampaignBoard board = CampaignBoard::Open();
    setWindowTitle(board.title);
    lblCampaign->setText(board.title);
    cmdTrade->setCaption(board.trade);
    cmdPlay->setCaption(board.play);
    lblWins[1]->setText(board.winsCaption);
    lblLosses[1]->setText(board.lossesCaption);
    lblCredits[0]->setText(board.credits);
    lblCredits[1]->setText(QStringLiteral("Credits"));
    lblWins[0]->setText(board.wins);
    lblLosses[0]->setText(board.losses);
    lblLevel->setText(board.level);
    lblNPCName->setText(board.npcName);
    lblNPCPlanet->setText(board.npcPlanet);
    lblNPCCredits->setText(board.npcCredits);
    // Drawn at twice the size so it stays sharp on dense screens.
    imgNPC->setScaledContents(true);
    imgNPC->setPixmap(
        QPixmap::fromImage(PortraitPainter::ForLevel(board.portrait, Portrait.size() * 2)));
    imgNPC->setAccessibleName(board.npcName);
    m_tradeAllowed = board.tradeEnabled;
    cmdTrade->setEnabled(m_tradeAllowed);
}

// Nothing is traded in the mirror match.
void frmCampaign::changeEvent(QEvent* event) {
    FramedWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        cmdTrade->setEnabled(m_tradeAllowed);
}

void frmCampaign::ShowTrade() {
    if (!m_tradeAllowed)
        return;
    frmTrade trade(this);
    trade.exec();
    lblCredits[0]->setText(CampaignBoard::PlayerCredits());
}
