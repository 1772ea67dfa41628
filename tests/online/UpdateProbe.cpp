// The game's update window in a process of its own, with the program's real end: shows the
// window over nothing, as the menu's update button does, for the master server given as the
// only argument ("host:port"). Ends with 0 when the update was started (the game's own end),
// 3 when the window was closed without one.
#include "UserDataRecord.h"
#include "binding/MemoryRecordFile.h"
#include "online/frmUpdate.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "shell/ScreenCoordinator.h"
#include "shell/modShell.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    ScreenCoordinator screens; // the program's message box and end
    modShell::LoadProgramFont(QStringLiteral(QB_BIN_DIR));
    clsStore& store = clsStore::instance();
    store.setFileAccess(std::make_unique<MemoryRecordFile>());
    store.setInstanceLockPath(QString());
    clsLanguage::instance().setProgramFolder(QStringLiteral(QB_BIN_DIR));
    if (!store.Initialize())
        return 2;
    UserData().MasterServer = argv[1];
    frmUpdate::Open();
    return 3;
}
