#include "IconPainter.h"
#include "shell/modShell.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<QImage(int)>;

// <theme>/<size>x<size>/apps/<name>.png for every size.
bool writeIcons(const QString& theme, const QList<int>& sizes, const QString& name,
                const Painter& paint) {
    for (const int size : sizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = folder + QStringLiteral("/") + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !paint(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

QList<int> parseSizes(const QString& text) {
    QList<int> sizes;
    for (const QString& item : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int size = item.toInt(&ok);
        if (!ok || size <= 0)
            return {};
        sizes << size;
    }
    return sizes;
}

} // namespace

// Paints the program icons into an icon theme folder, in the game's font from the program folder:
// icon-painter <program folder> <theme folder> <size,size,...> <game icon> [<utility icon>]
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QList<int> sizes = args.size() >= 5 ? parseSizes(args[3]) : QList<int>();
    if (args.size() > 6 || sizes.isEmpty()) {
        std::fprintf(stderr, "usage: icon-painter <program folder> <theme folder> "
                             "<size,size,...> <game icon> [<utility icon>]\n");
        return 2;
    }
    modShell::LoadProgramFont(args[1]);
    bool written = writeIcons(args[2], sizes, args[4], &IconPainter::Game);
    if (written && args.size() == 6)
        written = writeIcons(args[2], sizes, args[5], &IconPainter::Utility);
    return written ? 0 : 1;
}
