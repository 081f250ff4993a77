#include "platform/programend.h"

#include "config/buildconfig.h"
#include "platform/windows/systemprogram.h"

#include <QString>

#include <qt_windows.h>

void SystemProgramEnd::endEveryCopy()
{
    // Every process of this executable's name ends, this one included, by the kill command,
    // started hidden. It is waited for (it ends this process too, so the wait seldom returns):
    // a kill that came late would take a copy the user started just after this one for one of
    // the copies that were running.
    SystemProgram::run(
        SystemProgram::systemFolder() + QStringLiteral("\\taskkill.exe"),
        QStringLiteral("/im %1.exe /f").arg(QLatin1String(BuildConfig::ExecutableName)), SW_HIDE,
        10000);
    endNow();
}

void SystemProgramEnd::endNow()
{
    ExitProcess(0);
}
