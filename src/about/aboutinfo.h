#pragma once

#include <QString>

// What the about box says of the program and where its links lead.
namespace AboutInfo {
// "版本号：" + major.minor.revision, plain decimal numbers.
QString versionText(int major, int minor, int revision);
QString versionText();

inline const QString AuthorQQ = QStringLiteral("12345678");
inline const QString AuthorMail = QStringLiteral("author@zeph-soft.example");
QString chatAddress();
QString mailAddress();
} // namespace AboutInfo
