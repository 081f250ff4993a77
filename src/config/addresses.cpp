#include "config/addresses.h"

#include "config/buildconfig.h"

namespace Addresses {

QString statusRequest(const QString& number, const QString& presenceHost)
{
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

QString forum()
{
    return QLatin1String("http://") + QString::fromUtf8(BuildConfig::MakerHost) +
           QLatin1String("/bbs");
}

QString chat(const QString& number)
{
    // The QQ client's handler gets the address as one quoted argument; a quote or a blank in a
    // number from a list file must not end it, so only ASCII letters and digits go as they are.
    return QLatin1String("tencent://message/?uin=") +
           QString::fromLatin1(number.toUtf8().toPercentEncoding({}, "-._~"));
}

QString mail(const QString& address)
{
    return QLatin1String("mailto:") + address;
}

} // namespace Addresses
