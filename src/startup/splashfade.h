#pragma once

#include <QtGlobal>

// The splash's fades: two timers with two separate 8-bit counters. Each tick reports the
// opacity to show; the fade-out's last tick (the one that shows 0) hands over to the main window.
class SplashFade final
{
public:
    static constexpr int Step = 15;
    static constexpr int LastStepped = 240;

    struct Tick
    {
        int opacity;
        bool timerStops; // the fade-in is done, or (fade-out) it is time to hand over
    };

    // Timer1: shows FadeInLevel, then steps it; above 240 the timer stops and the counter resets.
    Tick fadeInTick();
    // Timer2: shows 255 − FadeOutLevel, then steps it; above 240 the main window takes over.
    Tick fadeOutTick();

private:
    quint8 m_fadeIn = 0;
    quint8 m_fadeOut = 0;
};
