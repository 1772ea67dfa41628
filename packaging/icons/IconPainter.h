#pragma once

#include <QImage>
#include <vector>

class QPainter;

// The program icons, drawn from the game's own card faces: the game is a fan of three cards with
// the winning count on the front one, the maintenance utility a card back before a plus card.
// Large sizes are painted at their own resolution, so they stay sharp.
class IconPainter {
public:
    static QImage Game(int size);
    static QImage Utility(int size);

private:
    struct Card {
        int face;
        double angle;
    };
    struct Hand {
        std::vector<Card> cards; // back to front
        double cardScale;        // card pixels to canvas pixels
        bool countOnFront;
    };

    static QImage paint(int size, const Hand& hand);
    static QImage paintHand(int size, const Hand& hand);
    static void paintCount(QPainter& painter);
};
