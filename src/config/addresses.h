#pragma once

#include <QString>

// Every address the program hands to a server or to another program, built in one place so that
// the menu, the exit, the update check and the about box cannot drift apart. The hosts are the
// build's unless a caller names its own.
namespace Addresses {

// The status image of a number; the number goes in exactly as typed: no trimming, no encoding.
QString statusRequest(const QString& number, const QString& presenceHost);
// Where the status request of a user who is online ends.
QString onlineImage(const QString& imageHost);
QString versionFile(const QString& makerHost);
QString versionFile();
QString forum();
// The QQ client's chat with a number: its ASCII letters and digits as typed, every other
// character as the %XX of its UTF-8 bytes.
QString chat(const QString& number);
QString mail(const QString& address);

} // namespace Addresses
