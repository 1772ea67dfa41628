#include "shell/FramedWindow.h"

#include "shell/Look.h"
#include "shell/ctlToolbox.h"
#include "shell/modWindow.h"

#include <QPainter>

namespace {
constexpr std::uint8_t SecondaryAlpha = 220;
constexpr std::int32_t ColourKey = 0xff00ff;
constexpr int CaptionMargin = 8;
} // namespace

FramedWindow::FramedWindow(CloseButton closeButton, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    if (closeButton == WithCloseButton) {
        m_close = new ctlToolbox(this);
        m_close->setObjectName(QStringLiteral("tbClose"));
        connect(m_close, &QAbstractButton::clicked, this, &QDialog::close);
    }
    modWindow::SetWindowGlass(this, SecondaryAlpha, ColourKey);
}

void FramedWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Look::PaintWindowFrame(painter, rect());
}

void FramedWindow::mousePressEvent(QMouseEvent*) {
    modWindow::DragWindow(this);
}

// The frame follows the width; the outline is read again from the new background.
void FramedWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_close)
        m_close->move(width() - m_close->width() - CaptionMargin, CaptionMargin);
    modWindow::RefreshColourKey(this);
}

void FramedWindow::showEvent(QShowEvent* event) {
    modWindow::CenterOverMain(this);
    QDialog::showEvent(event);
}
