#include "platform/soundsystem.h"

#include <QByteArray>
#include <QtGlobal>

void SoundSystem::keepUnsafeOutputsOut()
{
    // GStreamer reads these ranks when it starts. A feature of rank none is neither picked by an
    // automatic sink nor asked for devices, so the JACK plugin, and libjack with it, never loads.
    QByteArray ranks = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!ranks.isEmpty())
        ranks += ',';
    qputenv("GST_PLUGIN_FEATURE_RANK",
            ranks + "jackaudiosink:NONE,jackaudiosrc:NONE,jackdeviceprovider:NONE");
}
