#include "shell/modWindow.h"

#include "shell/ManualWindowMove.h"

#include <QApplication>
#include <QBitmap>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QScopedValueRollback>
#include <QWidget>
#include <QWindow>

namespace {

const char* const ColourKeyProperty = "colourKey";

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

// Names of the windows that stay when the others are closed.
const QString MainName = QStringLiteral("frmMain");
const QString GameName = QStringLiteral("frmGame");

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
    const QImage cut =
        background.createMaskFromColor(QRgb(key.toUInt()) | 0xff000000u, Qt::MaskOutColor);
    window->setMask(QRegion(QBitmap::fromImage(cut)));
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
    if (!main || main == window)
        return;
    const QRect over = main->frameGeometry();
    window->move(over.left() + (over.width() - window->width()) / 2,
                 over.top() + (over.height() - window->height()) / 2);
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
