#include "campaign/frmCampaign.h"
#include "multiplayer/MultiplayerSession.h"
#include "online/UserGuide.h"
#include "online/frmSettings.h"
#include "online/frmUpdate.h"
#include "shell/frmMain.h"
#include "shell/modShell.h"
#include "sidedeck/frmSelectCards.h"
#include "sound/modSoundSystem.h"

#include <QApplication>

// The game starts here: its own font first, so the menu is drawn in it, then the main menu.
// Windows that belong to other parts of the game are hooked into the menu below as they exist.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    modSoundSystem::PrepareSound();
    modShell::InstallShellPorts();
    modShell::LoadProgramFont(QCoreApplication::applicationDirPath());
    frmMain::setOpener(frmMain::Screen::SideDeckSelection, &frmSelectCards::Open);
    frmMain::setOpener(frmMain::Screen::Campaign, &frmCampaign::Open);
    frmMain::setOpener(frmMain::Screen::Settings, &frmSettings::Open);
    frmMain::setOpener(frmMain::Screen::Update, &frmUpdate::Open);
    frmMain::setOpener(frmMain::Screen::UserGuide, &UserGuide::Open);
    frmMain menu;
    MultiplayerSession multiplayer;
    multiplayer.Install(menu);
    if (!menu.Load())
        return 0;
    menu.show();
    return app.exec();
}
