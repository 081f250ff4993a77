#pragma once

#include <QString>

// Every address and command line the program hands to a server or to the system, built in one
// place so the menu, the exit, the update check and the about box cannot drift apart.
namespace Addresses {

// Initial location of the status browser; a notification with it is ignored.
inline const QString IgnoredAddress = QStringLiteral("http:///");

QString statusRequest(const QString& presenceHost, const QString& number);
QString onlineImage(const QString& imageHost);
QString versionFile(const QString& makerHost);
QString versionFile();
QString forum(const QString& makerHost);
QString forum();
QString forumCommand();
QString killCommand();
QString chatUri(const QString& number);
QString mailUri(const QString& address);

// Window styles handed to the launcher with a command line.
enum WindowStyle { Hidden = 0, MinimizedFocus = 2 };

} // namespace Addresses
