#include "LegacyStore.h"
#include "UtilityInstance.h"
#include "UtilityMessageBoxes.h"
#include "UtilityModel.h"
#include "UtilityVersion.h"
#include "binding/SupportLibrary.h"
#include "binding/SupportRecordFile.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(UtilityVersion::Title);
    UtilityMessageBoxes messages;
    UtilityInstance instance;
    if (!instance.acquire()) {
        messages.showError(nullptr,
                           QStringLiteral("Quelta Brovel Utility has already been started."));
        return 1;
    }
    SupportRecordFile file(std::make_shared<SupportLibrary>());
    LegacyStore store;
    UtilityModel model(file, store);
    frmMain window(model, messages);
    // At once: quitting would first ask the window to close, which is this signal again.
    QObject::connect(
        &window, &frmMain::endProgram, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    window.show();
    // The wizard takes the keyboard at start, even where no window manager gives it.
    window.activateWindow();
    return app.exec();
}
