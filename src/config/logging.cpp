#include "config/logging.h"

Q_LOGGING_CATEGORY(lcStartup, "lanternix.startup")
Q_LOGGING_CATEGORY(lcList, "lanternix.list")
Q_LOGGING_CATEGORY(lcStatus, "lanternix.status")
Q_LOGGING_CATEGORY(lcUpdate, "lanternix.update")
Q_LOGGING_CATEGORY(lcPlatform, "lanternix.platform")
