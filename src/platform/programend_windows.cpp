#include "platform/programend.h"

#include "config/addresses.h"
#include "platform/launcher.h"

#include <qt_windows.h>

void SystemProgramEnd::endEveryCopy()
{
    m_launcher.runCommand(Addresses::killCommand(), Addresses::Hidden);
    endNow();
}

void SystemProgramEnd::endNow()
{
    ExitProcess(0);
}
