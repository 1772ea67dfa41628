#include "shell/modShell.h"

#include "profile/clsStore.h"
#include "shell/Look.h"
#include "shell/Ports.h"
#include "shell/StartupLog.h"
#include "sound/modSoundSystem.h"

#include <QDir>
#include <QFontDatabase>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr unsigned long EndDelayMs = 170;
}

bool modShell::LoadProgramFont(const QString& folder) {
    const QString path = QDir(folder).filePath(FontFile);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        ShowMessage(QStringLiteral("The font file ") + FontFile +
                        QStringLiteral(" could not be loaded."),
                    QStringLiteral("OK"));
        return false;
    }
    Look::setDisplayFamily(families.first());
    qCDebug(lcStartup).noquote() << "font" << path << "gives" << families.first();
    return true;
}

void modShell::TerminateProgram() {
    QThread::msleep(EndDelayMs);
    modSoundSystem::ReleaseSound();
    // The process ends without running destructors, so the profile lock is given back here.
    clsStore::instance().ReleaseInstanceLock();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
