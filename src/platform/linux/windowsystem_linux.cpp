#include "platform/windowsystem.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

void WindowSystem::flush()
{
    // Other window systems (Wayland, offscreen) send their requests by themselves.
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        xcb_flush(x11->connection());
}
