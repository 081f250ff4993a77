#include "config/addresses.h"

#include "config/buildconfig.h"

namespace Addresses {

QString statusRequest(const QString& presenceHost, const QString& number)
{
    // The number goes in exactly as the user typed it: no trimming, no encoding.
    return QLatin1String("http://") + presenceHost + QLatin1String("/pa?p=1:") + number +
           QLatin1String(":9");
}

QString onlineImage(const QString& imageHost)
{
    return QLatin1String("http://") + imageHost +
           QLatin1String("/qconn/wpa/button/button_old_91.gif");
}

QString versionFile(const QString& makerHost)
{
    return QLatin1String("http://") + makerHost + QLatin1String("/soft/duvazevovu/qqcx/jc/jc.txt");
}

QString versionFile()
{
    return versionFile(QString::fromUtf8(BuildConfig::MakerHost));
}

QString forum(const QString& makerHost)
{
    return QLatin1String("http://") + makerHost + QLatin1String("/bbs");
}

QString forum()
{
    return forum(QString::fromUtf8(BuildConfig::MakerHost));
}

QString forumCommand()
{
    return QLatin1String("explorer.exe ") + forum();
}

QString killCommand()
{
    return QLatin1String("taskkill /im ") + QLatin1String(BuildConfig::ExecutableName) +
           QLatin1String(".exe /f");
}

QString chatUri(const QString& number)
{
    return QLatin1String("tencent://message/?uin=") + number;
}

QString mailUri(const QString& address)
{
    return QLatin1String("mailto:") + address;
}

} // namespace Addresses
