#include "platform/programend.h"

#include "config/buildconfig.h"

#include <QString>

#include <qt_windows.h>

void SystemProgramEnd::endEveryCopy()
{
    // Every process of this executable's name ends, this one included, by the kill command,
    // started hidden. It is waited for (it ends this process too, so the wait seldom returns):
    // a kill that came late would take a copy the user started just after this one for one of
    // the copies that were running.
    std::wstring line = QStringLiteral("taskkill /im %1.exe /f")
                            .arg(QLatin1String(BuildConfig::ExecutableName))
                            .toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    endNow();
}

void SystemProgramEnd::endNow()
{
    ExitProcess(0);
}
