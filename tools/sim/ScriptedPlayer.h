#pragma once

class GameTable;

// A simple player for side 0 that uses only what the table's buttons and hand cards offer:
// it rescues an overdrawn count or reaches 18 to 20 with a hand card (turning signs and
// magnitudes where that helps), stands from 17 or when it leads a standing computer, and
// otherwise ends its turn.
class ScriptedPlayer {
public:
    // One turn's actions; the table must be waiting for side 0.
    void Act(GameTable& table);

private:
    struct Choice {
        int handIndex = -1;
        bool flip = false;
        bool magnitude = false;
        int count = 0;
    };

    static Choice BestCard(const GameTable& table, int count, int opponentCount,
                           bool opponentStands);
    static int Gain(const GameTable& table, int handIndex, bool flip, bool magnitude);
    static bool Better(const Choice& candidate, const Choice& best, int count);
};
