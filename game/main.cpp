#include "multiplayer/MultiplayerSession.h"
#include "shell/ScreenCoordinator.h"
#include "shell/modShell.h"
#include "sound/modSoundSystem.h"

#include <QApplication>

// The game starts here: the screens' owner first, so that even the font message is the game's
// own box, then the program's font, so the menu is drawn in it, then the main menu.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    modSoundSystem::PrepareSound();
    ScreenCoordinator screens;
    modShell::LoadProgramFont(QCoreApplication::applicationDirPath());
    MultiplayerSession multiplayer;
    multiplayer.Install(screens);
    if (!screens.Start())
        return 0;
    return app.exec();
}
