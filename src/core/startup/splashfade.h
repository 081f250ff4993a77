#pragma once

#include <QtGlobal>

// The splash's two fades, each with an 8-bit level of its own, stepped by 15. Each tick reports
// the opacity to show: the fade-in shows 0, 15, … 240, 255 and stops; the fade-out shows 255,
// 240, … 15, 0, and its last tick is the moment to hand over to the main window. A fade-out that
// starts in the middle of the fade-in begins at full opacity.
class SplashFade final
{
public:
    static constexpr int Step = 15;
    static constexpr int LastStepped = 240;

    struct Tick
    {
        int opacity;
        bool timerStops; // the fade-in is done, or the fade-out has reached 0
    };

    Tick fadeInTick();
    Tick fadeOutTick();

private:
    quint8 m_fadeIn = 0;
    quint8 m_fadeOut = 0; // 255 minus the opacity shown
};
