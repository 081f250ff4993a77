#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    const QString folder =
        overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
    // A root folder keeps its separator; every other folder loses a trailing one.
    while (native.size() > 1 && native.endsWith(QDir::separator()) &&
           !native.endsWith(QLatin1String(":\\")))
        native.chop(1);
    return native;
}

QString file(const QString& name)
{
    return path() + QDir::separator() + name;
}

void setOverride(const QString& folder)
{
    overrideFolder() = folder;
}

} // namespace ProgramFolder
