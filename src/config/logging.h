#pragma once

#include <QLoggingCategory>

// One category per subsystem. The program passes over some failures in silence towards its user
// (a module that does not load, a runtime file not written, a list not saved); each leaves one
// warning line here for whoever looks after the program.
Q_DECLARE_LOGGING_CATEGORY(lcStartup)  // lanternix.startup: runtime files, skin, picture bundles
Q_DECLARE_LOGGING_CATEGORY(lcList)     // lanternix.list: QQlist.cfg and its store module
Q_DECLARE_LOGGING_CATEGORY(lcStatus)   // lanternix.status: the refresh of the list
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)   // lanternix.update: the version check and its transfer
Q_DECLARE_LOGGING_CATEGORY(lcPlatform) // lanternix.platform: launcher, music, modules
