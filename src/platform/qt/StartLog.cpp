#include "platform/qt/StartLog.h"

Q_LOGGING_CATEGORY(lcStart, "zep.start", QtWarningMsg)
