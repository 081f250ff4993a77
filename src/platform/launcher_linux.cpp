#include "platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

// On Linux the Windows shell commands become the desktop's own openers.
QStringList SystemLauncher::translate(const QString& commandLine)
{
    static const QString explorer = QStringLiteral("explorer.exe ");
    if (commandLine.startsWith(explorer, Qt::CaseInsensitive))
        return {QStringLiteral("xdg-open"), commandLine.mid(explorer.size())};
    return {};
}

void SystemLauncher::runCommand(const QString& commandLine, int windowStyle)
{
    Q_UNUSED(windowStyle) // the desktop decides how the browser's window opens
    const QStringList program = translate(commandLine);
    if (program.isEmpty())
        return;
    QProcess::startDetached(program.first(), program.mid(1));
}

void SystemLauncher::openUri(const QString& uri)
{
    // A scheme nobody registered simply does nothing, as on Windows.
    QDesktopServices::openUrl(QUrl(uri, QUrl::TolerantMode));
}
