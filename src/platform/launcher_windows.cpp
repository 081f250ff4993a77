#include "platform/launcher.h"

#include "config/addresses.h"
#include "config/logging.h"

#include <QDesktopServices>
#include <QUrl>

#include <qt_windows.h>

void SystemLauncher::openWebAddress(const QString& address)
{
    // The shell opens the address in the default browser, whose window starts minimised.
    std::wstring line = (QStringLiteral("explorer.exe ") + address).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        qCWarning(lcPlatform) << "explorer.exe could not be started for" << address;
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void SystemLauncher::openChat(const QString& number)
{
    // The QQ client registers the tencent: scheme with the shell.
    QDesktopServices::openUrl(QUrl(Addresses::chat(number), QUrl::TolerantMode));
}

void SystemLauncher::openMail(const QString& address)
{
    QDesktopServices::openUrl(QUrl(Addresses::mail(address), QUrl::TolerantMode));
}
