#include "core/startup/splashfade.h"

SplashFade::Tick SplashFade::fadeInTick()
{
    const int shown = m_fadeIn;
    if (m_fadeIn <= LastStepped) {
        m_fadeIn = quint8(m_fadeIn + Step);
        return {shown, false};
    }
    m_fadeIn = 0;
    return {shown, true};
}

SplashFade::Tick SplashFade::fadeOutTick()
{
    const int shown = 255 - m_fadeOut;
    if (m_fadeOut <= LastStepped) {
        m_fadeOut = quint8(m_fadeOut + Step);
        return {shown, false};
    }
    return {shown, true};
}
