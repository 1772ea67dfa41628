#include "view/TableLabel.h"

#include "shell/Look.h"

#include <QLabel>

QLabel* MakeTableLabel(QWidget* parent, const QString& name, QPoint at, int width, int pointSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Look::DisplayFont(pointSize));
    label->setStyleSheet(QStringLiteral("color: rgb(173, 173, 151);"));
    label->setGeometry(QRect(at, QSize(width, pointSize * 2 + 4)));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
