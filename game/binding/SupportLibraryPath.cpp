#include "binding/SupportLibraryPath.h"

QString SupportLibraryPath(const QString& folder) {
#if defined(Q_OS_WIN)
    const QString file = QStringLiteral("QueltaBrovel.dll");
#elif defined(Q_OS_MACOS)
    const QString file = QStringLiteral("libQueltaBrovel.dylib");
#else
    const QString file = QStringLiteral("libQueltaBrovel.so");
#endif
    return folder + u'/' + file;
}
