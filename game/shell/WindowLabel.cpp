#include "shell/WindowLabel.h"

#include "shell/Look.h"

#include <QLabel>

QLabel* MakeWindowLabel(QWidget* parent, const QString& name, const QRect& place, int pointSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Look::DisplayFont(pointSize));
    label->setStyleSheet(QStringLiteral("color: rgb(0, 166, 247);"));
    label->setGeometry(place);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
