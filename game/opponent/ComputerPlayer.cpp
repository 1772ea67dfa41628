#include "opponent/ComputerPlayer.h"

#include "opponent/OpponentMove.h"
#include "rules/GameTable.h"

// The hand is dealt before anything can start the computer's first move.
void ComputerPlayer::MatchStarted(GameTable& table) {
    clsOpponent::instance().AI_CreateHandCards(m_hand, table.random());
}

int ComputerPlayer::Beginner(GameTable& table) {
    return table.random().Pick(2);
}

void ComputerPlayer::TakeTurn(GameTable& table) {
    OpponentMove(m_hand, table).Play();
}

void ComputerPlayer::SetOver(GameTable& table) {
    table.NewSet();
}
