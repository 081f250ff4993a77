#include "platform/launcher.h"

#include "config/addresses.h"
#include "config/logging.h"

#include <QProcess>

namespace {
// The desktop's opener picks the program registered for the address's scheme; a scheme nobody
// registered (tencent: without a QQ client) simply opens nothing.
void openWithDesktop(const QString& address)
{
    if (!QProcess::startDetached(QStringLiteral("xdg-open"), {address}))
        qCWarning(lcPlatform) << "xdg-open could not be started for" << address;
}
} // namespace

void SystemLauncher::openWebAddress(const QString& address)
{
    openWithDesktop(address);
}

void SystemLauncher::openChat(const QString& number)
{
    // The number goes in as typed; QUrl would encode a blank in it.
    openWithDesktop(Addresses::chat(number));
}

void SystemLauncher::openMail(const QString& address)
{
    openWithDesktop(Addresses::mail(address));
}
