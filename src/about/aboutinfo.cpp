#include "about/aboutinfo.h"

#include "config/addresses.h"
#include "config/buildconfig.h"

namespace AboutInfo {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("版本号：%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString versionText()
{
    return versionText(BuildConfig::VersionMajor, BuildConfig::VersionMinor,
                       BuildConfig::VersionRevision);
}

QString chatAddress()
{
    return Addresses::chatUri(AuthorQQ);
}
QString mailAddress()
{
    return Addresses::mailUri(AuthorMail);
}

} // namespace AboutInfo
