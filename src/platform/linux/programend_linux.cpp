#include "platform/programend.h"

#include <QDir>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
} // namespace

void SystemProgramEnd::endEveryCopy()
{
    // Every process of this user whose executable is this very file is a copy of the program;
    // matching by file identity, never by name, so no other program is ever touched, and by
    // owner, so that run by root it leaves the copies of other users alone.
    struct stat self
    {
    };
    if (stat("/proc/self/exe", &self) == 0) {
        const pid_t own = getpid();
        const uid_t user = geteuid();
        const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
        for (const QString& entry : entries) {
            bool numeric = false;
            const pid_t pid = pid_t(entry.toLong(&numeric));
            if (!numeric || pid == own)
                continue;
            struct stat process
            {
            };
            struct stat other
            {
            };
            const QByteArray folder = QByteArrayLiteral("/proc/") + entry.toLatin1();
            if (stat(folder.constData(), &process) == 0 && process.st_uid == user &&
                stat((folder + "/exe").constData(), &other) == 0 && sameFile(self, other))
                kill(pid, SIGKILL);
        }
    }
    endNow();
}

void SystemProgramEnd::endNow()
{
    // At once: no close handlers, no saving, no farewell.
    _exit(0);
}
