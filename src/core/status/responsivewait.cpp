#include "core/status/responsivewait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void waitResponsively(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    // A nested wait inside runs its own loop; this one ends once control is back and its time is
    // up, so the loop may have to start again for what is left.
    while (clock.elapsed() < milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(int(milliseconds - clock.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}
