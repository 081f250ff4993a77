#include "platform/soundsystem.h"

void SoundSystem::keepUnsafeOutputsOut()
{
    // Qt Multimedia plays through the system's own audio service here; it has no fallback sink
    // of its own to keep out.
}
