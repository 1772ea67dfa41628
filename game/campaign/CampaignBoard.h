#pragma once

#include <QString>
#include <cstdint>

// Everything the campaign window shows between matches, read fresh at each opening: the
// player's credits, level, wins and losses, and the opponent of the player's level with its
// portrait, name, planet and credits. Opening it puts the game into campaign mode and sets up
// that opponent.
struct CampaignBoard {
    // Captions.
    QString title;
    QString play;
    QString trade;
    QString winsCaption;
    QString lossesCaption;
    // The player.
    QString credits;
    QString level;
    QString wins;
    QString losses;
    // The opponent.
    QString npcName;
    QString npcPlanet;
    QString npcCredits;
    int portrait = 0; // the level whose portrait is shown; 0 for none
    // Nothing can be traded in the mirror match.
    bool tradeEnabled = true;

    static CampaignBoard Open();
    // The player's credits as the window's credit line shows them.
    static QString PlayerCredits();
    // Returning opponents keep the portrait of their first appearance.
    static int PortraitOf(int level);
};
