#include "platform/launcher.h"

#include <QDesktopServices>
#include <QUrl>

#include <qt_windows.h>

QStringList SystemLauncher::translate(const QString& commandLine)
{
    return {commandLine};
}

void SystemLauncher::runCommand(const QString& commandLine, int windowStyle)
{
    // The exact command line, started without waiting, like the runtime's Shell function.
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = windowStyle == 2 ? SW_SHOWMINIMIZED : SW_HIDE;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void SystemLauncher::openUri(const QString& uri)
{
    QDesktopServices::openUrl(QUrl(uri, QUrl::TolerantMode));
}
