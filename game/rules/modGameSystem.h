#pragma once

#include <array>

class GameTable;

// The rules operations on the open table, used by the table flow, the computer opponent and
// the network receiver.
class modGameSystem {
public:
    // What EvaluateSet tells the caller.
    enum SetResult {
        PlayerWins = 0,
        OpponentWins = 1,
        Tie = 2,
        PlayerMovesAgain = 3,   // side 1 stands, side 0 is not ahead
        OpponentMovesAgain = 4, // side 0 stands, side 1 is not ahead
        TurnPasses = 5,         // neither side stands
    };

    explicit modGameSystem(GameTable& table) : m_table(table) {}

    // One main-deck card to the side's next free slot; queued while the table is hidden.
    void DealCard(int side);
    // The replay of queued deals once the table is visible, 450 ms apart.
    void DealPending();
    int FreeSlot(int side) const;
    // Side 0 stands by itself at exactly 20, after 400 ms.
    void CheckAutoStand();
    // A side's ninth card decides the set: won at 20 or less, lost above. True if it did.
    bool CheckFullTable();
    void Wait(int ms);
    void SetCardsDimmed(int first, int last, bool dim);
    // Hides one of the opponent's face-down hand cards, chosen at random.
    void RemoveOpponentHandCard();
    SetResult EvaluateSet();

    void ShowOpponentHand() { m_opponentHand.fill(true); }

private:
    bool DecideFullSide(int side);
    // Both sides stand: the higher count wins; equal counts tie unless one side holds the
    // tie-breaker advantage.
    SetResult BothStand(int playerCount, int opponentCount) const;

    GameTable& m_table;
    std::array<bool, 4> m_opponentHand{};
};
