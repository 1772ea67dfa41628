// Builds the player's user guide: one HTML page whose card pictures are drawn by the game's own
// card painter, offscreen, and embedded in the page, so it reads the same from the program's
// folder and from the web site.
//
//   qb_userguide TEMPLATE STYLESHEET FONT VERSION OUTPUT

#include "CardRow.h"
#include "GuidePage.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <iostream>

namespace {
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

QString fontFamily(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

void writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::cerr << "usage: qb_userguide TEMPLATE STYLESHEET FONT VERSION OUTPUT\n";
        return 2;
    }
    try {
        const CardRow painter(fontFamily(args[3]));
        const GuidePage page(painter, readText(args[2]), args[4]);
        writeText(args[5], page.Fill(readText(args[1])));
    } catch (const std::exception& e) {
        std::cerr << "qb_userguide: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
