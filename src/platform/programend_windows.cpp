#include "platform/programend.h"

#include "config/buildconfig.h"

#include <QString>

#include <qt_windows.h>

void SystemProgramEnd::endEveryCopy()
{
    // Every process of this executable's name ends, this one included; the kill is started
    // hidden and not waited for, since ending this process comes right after.
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
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    endNow();
}

void SystemProgramEnd::endNow()
{
    ExitProcess(0);
}
