#pragma once

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

// A process the test starts goes when the test goes, even when the test itself is killed (a
// time-out of ctest): no Xvfb, stand-in or program is left behind holding a display or the port.
inline void endWithTest(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}
