// The maintenance utility's advanced settings task for ever, through the support library as the
// utility binds it: each round loads User.dat and saves the other of two settings. Says
// "saving" with one byte on standard output once the library (named by its file) is bound; the
// test kills it.
#include "LegacyStore.h"
#include "SaveRecords.h"
#include "UtilityModel.h"
#include "binding/SupportLibrary.h"
#include "binding/SupportRecordFile.h"

#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath();
    SupportRecordFile file(std::make_shared<SupportLibrary>(folder));
    QTemporaryDir legacy;
    LegacyStore store(legacy.filePath(QStringLiteral("legacy.ini")));
    UtilityModel model(file, store);
    if (!model.LoadUserData() || write(STDOUT_FILENO, "s", 1) != 1)
        return 1;
    for (unsigned n = 1;; ++n) {
        const UtilitySettings& next = UtilitySaves[n % 2];
        const TaskOutcome outcome = model.ChangeSettings(next.sidedeckMode, QStringLiteral("mode"),
                                                         QString::fromLatin1(next.server));
        if (!model.ErrorLog().isEmpty() || !outcome.finished || !model.LoadUserData())
            return 1;
    }
}
