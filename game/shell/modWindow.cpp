#include "shell/modWindow.h"

#include "shell/ManualWindowMove.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

const char* const ColourKeyProperty = "colourKey";

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

// Names of the windows that stay when the others are closed.
const QString MainName = QStringLiteral("frmMain");
const QString GameName = QStringLiteral("frmGame");

// The runs of pixels of one row that are not in the key colour.
QList<QRect> rowRuns(const QImage& image, int y, QRgb key) {
    QList<QRect> runs;
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
        while (x < image.width() && line[x] == key)
            ++x;
        const int start = x;
        while (x < image.width() && line[x] != key)
            ++x;
        if (x > start)
            runs.append(QRect(start, y, x - start, 1));
    }
    return runs;
}

// Every pixel not in the key colour. Rows with the same runs are joined into taller rectangles,
// which keeps the region small for outlines that are mostly straight.
QRegion regionWithout(const QImage& image, QRgb key) {
    QRegion region;
    QList<QRect> band;
    auto sameColumns = [](const QList<QRect>& a, const QList<QRect>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const QRect& l, const QRect& r) {
                              return l.left() == r.left() && l.width() == r.width();
                          });
    };
    for (int y = 0; y < image.height(); ++y) {
        const QList<QRect> runs = rowRuns(image, y, key);
        if (!band.isEmpty() && sameColumns(band, runs)) {
            for (QRect& r : band)
                r.setBottom(y);
            continue;
        }
        for (const QRect& r : band)
            region += r;
        band = runs;
    }
    for (const QRect& r : band)
        region += r;
    return region;
}

} // namespace

void modWindow::SetWindowGlass(QWidget* window, std::uint8_t alpha, std::int32_t colourKey) {
    window->setWindowOpacity(alpha / 255.0);
    window->setProperty(ColourKeyProperty, colourKey);
    RefreshColourKey(window);
}

void modWindow::RefreshColourKey(QWidget* window) {
    // Rendering delivers a pending resize, which would ask for the outline again.
    static bool refreshing = false;
    const QVariant key = window->property(ColourKeyProperty);
    if (refreshing || !key.isValid() || key.toInt() == -1 || window->size().isEmpty())
        return;
    const QScopedValueRollback guard(refreshing, true);
    QImage background(window->size(), QImage::Format_RGB32);
    background.fill(Qt::black);
    window->render(&background, {}, {}, QWidget::DrawWindowBackground | QWidget::IgnoreMask);
    window->setMask(regionWithout(background, QRgb(key.toUInt()) | 0xff000000u));
}

void modWindow::DragWindow(QWidget* window) {
    QWidget* top = window->window();
    QWindow* handle = top->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    ManualWindowMove::Start(top);
}

QWidget* modWindow::MainWindow() {
    return mainWindow();
}

void modWindow::setMainWindow(QWidget* window) {
    mainWindow() = window;
}

void modWindow::CenterOverMain(QWidget* window) {
    const QWidget* main = MainWindow();
    const QScreen* screen = (main ? main : window)->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // The main menu itself is centred on its screen; every other window over the main menu.
    const QRect over = (!main || main == window) ? area : main->frameGeometry();
    if (over.isEmpty())
        return;
    QRect placed(QPoint(), window->size());
    placed.moveCenter(over.center());
    // A window larger than the menu (the table, the side deck) must not slide off the screen,
    // where its buttons could not be reached.
    if (!area.isEmpty()) {
        placed.moveRight(std::min(placed.right(), area.right()));
        placed.moveBottom(std::min(placed.bottom(), area.bottom()));
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
    }
    window->move(placed.topLeft());
}

void modWindow::UnloadOtherForms(bool alsoGame) {
    // Closing one window may delete others, so hold guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    QPointer<QWidget> game;
    for (const QPointer<QWidget>& window : windows) {
        if (!window)
            continue;
        if (window->objectName() == GameName)
            game = window;
        else if (window->objectName() != MainName)
            window->close();
    }
    if (alsoGame && game)
        game->close();
}
