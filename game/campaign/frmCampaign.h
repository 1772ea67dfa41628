#pragma once

#include "shell/FramedWindow.h"

#include <array>

class QLabel;
class ctlButton;

// The campaign's hub between matches: the player's credits, level, wins and losses beside the
// opponent of the current level with portrait, name, planet and credits. Play accepts the
// window (the side deck selection follows); Trade opens the card trade below the last level. Built
// anew at every opening, so everything it shows is current.
class frmCampaign : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 470;
    static constexpr int WindowHeight = 280;

    explicit frmCampaign(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* makeLabel(const QString& name, const QRect& place, int pointSize = 10);
    void layOut();
    void Load();
    void ShowTrade();

    QLabel* lblCampaign;
    std::array<QLabel*, 2> lblCredits;
    QLabel* lblLevel;
    std::array<QLabel*, 2> lblWins;
    std::array<QLabel*, 2> lblLosses;
    QLabel* lblNPCName;
    QLabel* lblNPCPlanet;
    QLabel* lblNPCCredits;
    QLabel* imgNPC;
    ctlButton* cmdPlay;
    ctlButton* cmdTrade;
    bool m_tradeAllowed = true;
};
