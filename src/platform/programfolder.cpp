#include "platform/programfolder.h"

#include "config/buildconfig.h"
#include "config/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

// $XDG_DATA_HOME/Lanternix, else ~/.local/share/Lanternix, made when it is missing. One that
// cannot be made is a folder nothing can be written to, as an executable's folder may be.
QString makeUserDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QLatin1String("/Lanternix");
    if (!QDir().mkpath(folder))
        qCWarning(lcPlatform) << "the data folder" << folder << "could not be made";
    return folder;
}

QString realFolder()
{
    if (!BuildConfig::UserDataFolder)
        return QCoreApplication::applicationDirPath();
    static const QString folder = makeUserDataFolder();
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    const QString folder = overrideFolder().isEmpty() ? realFolder() : overrideFolder();
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
