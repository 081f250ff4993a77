#include "platform/launcher.h"

#include "config/addresses.h"
#include "config/logging.h"

#include <QProcess>

namespace {
// The desktop's opener picks the program registered for the address's scheme; a scheme nobody
// registered (tencent: without a QQ client) simply opens nothing. Started from its full path:
// an opener of that name earlier in PATH is not the system's.
void openWithDesktop(const QString& address)
{
    if (!QProcess::startDetached(QStringLiteral("/usr/bin/xdg-open"), {address}))
        qCWarning(lcPlatform) << "/usr/bin/xdg-open could not be started for" << address;
}
} // namespace

void SystemLauncher::openWebAddress(const QString& address)
{
    openWithDesktop(address);
}

void SystemLauncher::openChat(const QString& number)
{
    openWithDesktop(Addresses::chat(number));
}

void SystemLauncher::openMail(const QString& address)
{
    openWithDesktop(Addresses::mail(address));
}
