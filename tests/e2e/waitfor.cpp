#include "waitfor.h"

#include <QDeadlineTimer>
#include <QTest>

namespace {
std::function<void()> failureHook;

void recordFailure(const QString& message, const char* file, int line)
{
    if (failureHook && !QTest::currentTestFailed())
        failureHook();
    QTest::qFail(qPrintable(message), file, line);
}
} // namespace

void setFailureHook(const std::function<void()>& hook)
{
    failureHook = hook;
}

bool pollUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs, const QString& what,
             const char* file, int line)
{
    if (pollUntil(condition, timeoutMs))
        return true;
    const QString message =
        QStringLiteral("timed out after %1 ms waiting for %2").arg(timeoutMs).arg(what);
    recordFailure(message, file, line);
    return false;
}

bool expect(bool ok, const QString& what, const char* file, int line)
{
    if (!ok)
        recordFailure(what, file, line);
    return ok;
}
