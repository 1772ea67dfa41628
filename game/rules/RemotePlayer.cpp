#include "rules/RemotePlayer.h"

#include "rules/GameState.h"
#include "rules/GameTable.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"

// Who begins was agreed when the match was arranged; it is the same for every set.
int RemotePlayer::Beginner(GameTable&) {
    return GameState::instance().HostBegins ? 0 : 1;
}

void RemotePlayer::TellTurn(GameTable& table, int side) {
    table.peer().TurnGiven(side);
}

void RemotePlayer::TellResult(GameTable& table, int winner) {
    table.peer().ResultDecided(winner);
}

void RemotePlayer::SetOver(GameTable& table) {
    table.view().ButtonsInactive();
    table.match().LocalSetDone = true;
    table.CheckDone();
}
