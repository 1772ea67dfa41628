#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

// A passive text of the game table: plain text in the table's pale gold and display font, one
// line high for its size. Like the table's background it lets mouse presses through, so
// pressing it moves the window.
QLabel* MakeTableLabel(QWidget* parent, const QString& name, QPoint at, int width, int pointSize);
