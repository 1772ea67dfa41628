#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

// The main menu's background: a dark wooden panel with chamfered corners and a raised crest
// (magenta around it, so the window takes its shape), the gold "Quelta Brovel" logo and a fan of
// cards on the felt.
class MenuBackdrop {
public:
    static constexpr QSize WindowSize{600, 450};
    // Where the card fan (imgBrovel) and the logo (lblLogo) lie; pressing there drags the menu.
    static constexpr QRect BrovelArea{36, 140, 290, 270};
    static constexpr QRect LogoArea{60, 26, 480, 70};

    static QPixmap Paint();

private:
    static void paintPanel(QPainter& painter);
    static void paintFelt(QPainter& painter);
    static void paintLogo(QPainter& painter);
    static void paintBrovel(QPainter& painter);
};
