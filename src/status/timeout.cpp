#include "status/timeout.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>

namespace TimeoutArgument {

double seconds(const QVariant& interval)
{
    if (interval.typeId() == QMetaType::QString || interval.typeId() == QMetaType::QByteArray) {
        // Like the old runtime's Val: blanks skipped, then the longest decimal number at the start.
        static const QRegularExpression leading(
            QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
        const QRegularExpressionMatch match = leading.match(interval.toString());
        return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
    }
    bool ok = false;
    const double value = interval.toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace TimeoutArgument

void Timeout(const QVariant& interval)
{
    const double seconds = TimeoutArgument::seconds(interval);
    if (!(seconds > 0))
        return;
    const qint64 wanted = qint64(seconds * 1000.0 + 0.999);
    QElapsedTimer clock; // monotonic
    clock.start();
    // Sleep in the event loop until a precise timer ends the wait; a nested wait inside has its
    // own loop and timer, and this one ends when control comes back to it.
    while (clock.elapsed() < wanted) {
        QEventLoop loop;
        QTimer::singleShot(int(wanted - clock.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}
