#include "online/UserGuide.h"

#include "online/BlockingHttp.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

QString UserGuide::ShippedPagePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(ShippedPage);
}

void UserGuide::Open() {
    OpenFrom(frmMain::UserGuideAddress());
}

void UserGuide::OpenFrom(const QString& site) {
    QDesktopServices::openUrl(BlockingHttp::Answers(site, SiteTimeoutMs)
                                  ? QUrl(site)
                                  : QUrl::fromLocalFile(ShippedPagePath()));
}
