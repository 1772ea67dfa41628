#include "shell/StartupLog.h"

Q_LOGGING_CATEGORY(lcStartup, "queltabrovel.startup", QtWarningMsg)
