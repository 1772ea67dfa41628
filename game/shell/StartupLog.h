#pragma once

#include <QLoggingCategory>

// What the program found at start-up: where its font and music came from, and the menu's texts
// once the menu is on screen. Silent unless switched on, for instance with
// QT_LOGGING_RULES="queltabrovel.startup.debug=true"; an installation check reads it.
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
