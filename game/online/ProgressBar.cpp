#include "online/ProgressBar.h"

#include "shell/Look.h"

#include <QPainter>
#include <algorithm>

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picProgressBar"));
    setFixedSize(BarWidth, BarHeight);
    setAccessibleName(QStringLiteral("Progress"));
}

void ProgressBar::setFillWidth(int pixels) {
    m_fill = std::clamp(pixels, 0, BarWidth);
    ++m_redraws;
    update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Look::Felt);
    painter.fillRect(0, 0, m_fill, BarHeight, Look::Blue);
}
