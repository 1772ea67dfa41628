#include "rules/HostPlayer.h"

#include "rules/GameTable.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"

void HostPlayer::SetOver(GameTable& table) {
    table.view().ButtonsInactive();
    table.peer().SetAcknowledged();
}
