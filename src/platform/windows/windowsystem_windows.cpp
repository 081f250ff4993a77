#include "platform/windowsystem.h"

void WindowSystem::flush()
{
    // Windows applies each window call when it is made: nothing waits to be sent.
}
