#include "desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace {
const QString MainTitle = QStringLiteral("Zeph系列软件のLanternix【Aurel】");
const QString BoxTitle = QStringLiteral("Zeph系列软件");
const QString MenuName = QStringLiteral("Lanternix"); // a pop-up menu carries the program's name
const QString AddTitle = QStringLiteral("添加QQ");
// Where things are in the windows' designs (window coordinates; there are no frames).
const QRect ListArea(16, 24, 601, 377);
const QSize EntryGrid(80, 72);
constexpr int MenuLines = 9;

// Started so that it goes when the test goes, even when ctest kills the test on a time-out:
// nothing is left behind holding a display or the port. Answers the first line it prints.
QByteArray startProcess(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
    QByteArray said;
    pollUntil(
        [&] {
            said += process.readAllStandardOutput();
            return said.contains('\n') || process.state() == QProcess::NotRunning;
        },
        10000);
    return said.trimmed();
}

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

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
    return expect(pollUntil(condition, timeoutMs),
                  QStringLiteral("timed out after %1 ms waiting for %2").arg(timeoutMs).arg(what),
                  file, line);
}

bool expect(bool ok, const QString& what, const char* file, int line)
{
    if (!ok)
        QTest::qFail(qPrintable(what), file, line);
    return ok;
}

Desktop::~Desktop()
{
    stop(m_standin);
    stop(m_xvfb);
}

bool Desktop::start()
{
    // Xvfb picks a free display itself and names it once it takes connections.
    m_xvfb.setStandardErrorFile(QProcess::nullDevice());
    const QByteArray display =
        startProcess(m_xvfb, QStringLiteral("Xvfb"),
                     QStringLiteral("-displayfd 1 -screen 0 1280x800x24 -nolisten tcp").split(' '));
    if (!expect(!display.isEmpty() &&
                    !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                QStringLiteral("no Xvfb screen, or no xdotool (tools/install-deps installs them)")))
        return false;
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(display));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // xdg-open in a bare X session falls back to $BROWSER once no desktop and no registered
    // handler answers; XDG folders that do not exist make sure none does.
    for (const char* name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        m_environment.remove(QLatin1String(name));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        m_environment.insert(QLatin1String(name), scratch(QStringLiteral("none")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_scratch.path());
    m_environment.insert(QStringLiteral("BROWSER"), scratch(QStringLiteral("browser.sh")));
    QFile browser(scratch(QStringLiteral("browser.sh")));
    return expect(
        browser.open(QIODevice::WriteOnly) &&
            browser.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" +
                          scratch(QStringLiteral("browser.txt")).toUtf8() + "'\n") > 0 &&
            browser.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
        QStringLiteral("cannot write the browser script"));
}

quint16 Desktop::port()
{
    // The maker's host, "127.0.0.1:PORT", as the build was configured.
    return quint16(QStringLiteral(LANTERNIX_MAKER_HOST).section(QLatin1Char(':'), 1).toUInt());
}

bool Desktop::startStandin(const QStringList& arguments)
{
    stopStandin();
    const QString log = scratch(QStringLiteral("standin.log"));
    QFile::remove(log);
    m_standin.setProcessChannelMode(QProcess::MergedChannels);
    const QByteArray said =
        startProcess(m_standin, QStringLiteral(STANDIN_PROGRAM),
                     QStringList{QStringLiteral("--port"), QString::number(port()),
                                 QStringLiteral("--log"), log} +
                         arguments);
    return expect(said.startsWith("PORT "),
                  QStringLiteral("the stand-in cannot take port %1, which this build's hosts "
                                 "point at (is a demo running?): %2")
                      .arg(port())
                      .arg(QString::fromUtf8(said)));
}

void Desktop::stopStandin()
{
    stop(m_standin);
}

QStringList Desktop::requests() const
{
    // Each line: "<ms since start> <target>"; only whole lines count.
    const QList<QByteArray> lines = readAll(scratch(QStringLiteral("standin.log"))).split('\n');
    QStringList found;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        found << QString::fromUtf8(lines[i].mid(lines[i].indexOf(' ') + 1));
    return found;
}

QStringList Desktop::statusNumbers() const
{
    static const QRegularExpression status(QStringLiteral("^/pa\\?p=1:(.*):9$"));
    QStringList numbers;
    for (const QString& target : requests()) {
        if (const QRegularExpressionMatch match = status.match(target); match.hasMatch())
            numbers << match.captured(1);
    }
    return numbers;
}

int Desktop::versionRequests() const
{
    return int(requests().count(QStringLiteral("/soft/duvazevovu/qqcx/jc/jc.txt")));
}

QStringList Desktop::browserCalls() const
{
    return QString::fromUtf8(readAll(scratch(QStringLiteral("browser.txt"))))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool Desktop::waitForStatusNumbers(const QStringList& numbers) const
{
    const QString wanted = numbers.join(QLatin1Char(','));
    return waitFor(
               [&] {
                   // The refresh is over once the last status answer has led on to its picture.
                   const QStringList seen = requests();
                   return statusNumbers().size() >= numbers.size() && !seen.isEmpty() &&
                          seen.constLast().startsWith(QLatin1String("/qconn/"));
               },
               15000, QStringLiteral("the status requests for %1").arg(wanted)) &&
           expect(statusNumbers() == numbers,
                  QStringLiteral("status requests %1, expected %2")
                      .arg(statusNumbers().join(QLatin1Char(',')), wanted));
}

std::optional<QByteArray> Desktop::xdotool(const QString& command, const QStringList& tail) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(QStringLiteral("xdotool"), command.split(QLatin1Char(' ')) + tail);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt; // also when a search found nothing
    return process.readAllStandardOutput();
}

QList<Desktop::Window> Desktop::windows(qint64 pid) const
{
    QList<Window> found;
    const auto ids = xdotool(QStringLiteral("search --onlyvisible --pid %1").arg(pid));
    for (const QByteArray& id : ids.value_or(QByteArray()).split('\n')) {
        // Names are compared by the caller in full: xdotool's own name search splits titles that
        // mix scripts and would find "Lanternix" inside the main window's title.
        const auto said = id.isEmpty() ? std::nullopt
                                       : xdotool(QStringLiteral("getwindowname %1 getwindowgeometry"
                                                                " --shell %1")
                                                     .arg(QString::fromLatin1(id)));
        if (!said)
            continue; // gone while being looked at
        const QList<QByteArray> lines = said->split('\n');
        QMap<QByteArray, int> values;
        for (const QByteArray& line : lines)
            values.insert(line.left(line.indexOf('=')), line.mid(line.indexOf('=') + 1).toInt());
        found.append({QString::fromLatin1(id), QString::fromUtf8(lines.constFirst()),
                      QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"])});
    }
    return found;
}

Desktop::Program::Program(const Desktop& desktop, const QString& folder) : m_desktop(desktop)
{
    m_process.setProcessEnvironment(desktop.m_environment);
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(desktop.scratch(QStringLiteral("program.log")),
                                    QIODevice::Append);
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.setProgram(QDir(folder).filePath(QStringLiteral("Lanternix")));
}

Desktop::Program::~Program()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool Desktop::Program::installInto(const QString& folder)
{
    return expect(QFile::copy(QStringLiteral(LANTERNIX_PROGRAM),
                              QDir(folder).filePath(QStringLiteral("Lanternix"))),
                  QStringLiteral("cannot copy the program into %1").arg(folder));
}

bool Desktop::Program::start()
{
    m_process.start();
    return expect(m_process.waitForStarted(5000),
                  QStringLiteral("the program did not start: %1").arg(m_process.errorString()));
}

bool Desktop::Program::waitForEnd()
{
    return waitFor([this] { return !isRunning(); }, 15000, QStringLiteral("the program to end"));
}

std::optional<Desktop::Window> Desktop::Program::find(const QString& name) const
{
    const QList<Window> all = m_desktop.windows(m_process.processId());
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (it->name == name)
            return *it;
    }
    return std::nullopt;
}

std::optional<Desktop::Window> Desktop::Program::waitForWindow(const QString& name)
{
    std::optional<Window> window;
    (void)waitFor([&] { return (window = find(name)).has_value(); }, 10000,
                  QStringLiteral("the window \"%1\"").arg(name));
    return window;
}

bool Desktop::Program::waitForGone(const QString& name)
{
    return waitFor([&] { return !find(name); }, 10000,
                   QStringLiteral("the window \"%1\" to close").arg(name));
}

bool Desktop::Program::click(const Window& window, QPoint at, int button, const QString& text) const
{
    // One xdotool run, so the pointer is there before the button goes down; no "--sync", which
    // waits for ever when the pointer is there already.
    const QString command = QStringLiteral("mousemove --window %1 %2 %3 click %4")
                                .arg(window.id)
                                .arg(at.x())
                                .arg(at.y())
                                .arg(button);
    if (text.isEmpty())
        return m_desktop.xdotool(command).has_value();
    return m_desktop.xdotool(command + QStringLiteral(" type --delay 40 --"), {text}).has_value();
}

bool Desktop::Program::waitForSplash()
{
    return waitFor(
               [this] {
                   return !isRunning() || !m_desktop.windows(m_process.processId()).isEmpty();
               },
               20000, QStringLiteral("the splash")) &&
           expect(isRunning(), QStringLiteral("the program ended before its splash showed"));
}

bool Desktop::Program::passSplash()
{
    if (!waitForSplash())
        return false;
    // The splash takes its click at any time, also while it fades in; a click that came before
    // the window was ready is simply given again.
    const bool passed = pollUntil(
        [this] {
            if (!isRunning() || find(MainTitle))
                return true;
            const QList<Window> shown = m_desktop.windows(m_process.processId());
            if (!shown.isEmpty())
                click(shown.constFirst(), QPoint(shown.constFirst().geometry.width() * 3 / 4,
                                                 shown.constFirst().geometry.height() * 3 / 4));
            return pollUntil([this] { return !isRunning() || find(MainTitle); }, 4000);
        },
        20000);
    const auto window = find(MainTitle);
    return expect(passed && window, QStringLiteral("the main window did not follow the splash")) &&
           expect(window->geometry.size() == QSize(641, 450),
                  QStringLiteral("the main window is %1 x %2, not 641 x 450")
                      .arg(window->geometry.width())
                      .arg(window->geometry.height()));
}

bool Desktop::Program::moveTo(QPoint to)
{
    const auto window = find(MainTitle);
    return expect(window && m_desktop.xdotool(QStringLiteral("windowmove --sync %1 %2 %3")
                                                  .arg(window->id)
                                                  .arg(to.x())
                                                  .arg(to.y())),
                  QStringLiteral("cannot move the main window"));
}

bool Desktop::Program::openMenu(int overEntry)
{
    const auto window = find(MainTitle);
    // An entry's icon sits at the top of its grid cell, inside the list's one-pixel border.
    const int perRow = ListArea.width() / EntryGrid.width();
    const QPoint at = overEntry == 0 ? ListArea.bottomRight() - QPoint(40, 36) // a blank spot
                                     : ListArea.topLeft() + QPoint(41, 19) +
                                           QPoint((overEntry - 1) % perRow * EntryGrid.width(),
                                                  (overEntry - 1) / perRow * EntryGrid.height());
    // The menu is the selected entry's, so the entry is selected first. The list takes no
    // clicks until the update check has passed: the right-click is given until the menu opens.
    return expect(window && (overEntry == 0 || click(*window, at)),
                  QStringLiteral("no main window to click")) &&
           expect(pollUntil(
                      [&] {
                          click(*window, at, 3);
                          return pollUntil([this] { return find(MenuName).has_value(); }, 3000);
                      },
                      15000),
                  QStringLiteral("the pop-up menu did not open over the list"));
}

bool Desktop::Program::choose(MenuLine line)
{
    // Lines and separators repeat at one pitch, so a line's middle is found from the height.
    const auto menu = waitForWindow(MenuName);
    return menu &&
           expect(click(*menu,
                        QPoint(menu->geometry.width() / 2,
                               (2 * int(line) + 1) * menu->geometry.height() / (2 * MenuLines))),
                  QStringLiteral("cannot click the menu")) &&
           waitForGone(MenuName);
}

bool Desktop::Program::addEntry(const QString& number, const QString& remark, bool refresh)
{
    if (!openMenu() || !choose(MenuLine::Add))
        return false;
    // Number and remark boxes, the refresh tick and OK, where the dialog's design has them.
    const auto dialog = waitForWindow(AddTitle);
    return dialog &&
           expect(click(*dialog, QPoint(152, 33), 1, number) &&
                      click(*dialog, QPoint(152, 69), 1, remark) &&
                      (!refresh || click(*dialog, QPoint(60, 104))) &&
                      click(*dialog, QPoint(280, 34)),
                  QStringLiteral("cannot fill in the add dialog")) &&
           waitForGone(AddTitle);
}

bool Desktop::Program::deleteEntry(int position, const QString& answer)
{
    return openMenu(position) && choose(MenuLine::Delete) && answerBox(answer);
}

bool Desktop::Program::quit(const QString& answer)
{
    return openMenu() && choose(MenuLine::Quit) && answerBox(answer);
}

bool Desktop::Program::answerBox(const QString& key)
{
    // Without a window manager the keyboard follows the pointer unless a window takes the focus;
    // both point the key at the box. A key that came before the box could take it is given
    // again; the box going away (or the program ending on the answer) shows that it arrived.
    const auto box = waitForWindow(BoxTitle);
    for (int attempt = 0; box && attempt < 3; ++attempt) {
        m_desktop.xdotool(QStringLiteral("mousemove --window %1 %2 8 windowfocus %1 key %3")
                              .arg(box->id)
                              .arg(box->geometry.width() / 2)
                              .arg(key));
        if (pollUntil([this] { return !isRunning() || !find(BoxTitle); }, 3000))
            return true;
    }
    return box && expect(false, QStringLiteral("the box did not take the key %1").arg(key));
}
