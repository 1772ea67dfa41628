#pragma once

#include <QString>

class QLabel;
class QRect;
class QWidget;

// A passive text of the framed windows (campaign, trade, wager, settings, update): plain text in
// the game's blue and display font.
// Like the window's background it lets mouse presses through, so pressing it moves the window.
QLabel* MakeWindowLabel(QWidget* parent, const QString& name, const QRect& place,
                        int pointSize = 10);
