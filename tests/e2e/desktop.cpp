#include "desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace {
const QString MainTitle = u"Zeph系列软件のLanternix【Aurel】"_s;
const QString BoxTitle = u"Zeph系列软件"_s;
const QString MenuName = u"Lanternix"_s; // a pop-up menu carries the program's name
const QRect ListArea(16, 24, 601, 377);  // in the main window; there are no frames
const QString Port = u"" LANTERNIX_MAKER_HOST ""_s.section(u':', 1); // of all three hosts

// The process goes when the test goes, even when ctest kills the test on a time-out: nothing is
// left behind holding a display or the port.
const auto endWithTest = [](QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
};

// Starts it and answers the first line it prints (empty when it ended or said nothing in time).
QByteArray firstLine(QProcess& process, const QString& program, const QStringList& arguments)
{
    endWithTest(process);
    process.start(program, arguments);
    QByteArray said;
    while (!said.contains('\n') && process.waitForReadyRead(10000))
        said += process.readAllStandardOutput();
    return said.trimmed();
}

} // namespace

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

bool waitFor(const std::function<bool()>& condition, int timeoutMs, const QString& what)
{
    return expect(pollUntil(condition, timeoutMs),
                  u"timed out after %1 ms waiting for %2"_s.arg(timeoutMs).arg(what));
}

bool expect(bool ok, const QString& what)
{
    if (!ok)
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    return ok;
}

Desktop::~Desktop()
{
    stopStandin();
    m_xvfb.terminate(); // Xvfb then takes its lock file and socket away
    if (!m_xvfb.waitForFinished(5000))
        m_xvfb.kill(); // and QProcess waits for the end
}

bool Desktop::start()
{
    // Xvfb picks a free display itself and names it once it listens; the first xdotool run that
    // gets through shows that it takes connections (and that xdotool is there).
    m_xvfb.setStandardErrorFile(QProcess::nullDevice());
    const QByteArray display =
        firstLine(m_xvfb, u"Xvfb"_s,
                  u"-displayfd 1 -noreset -screen 0 1280x800x24 -nolisten tcp"_s.split(u' '));
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(u"DISPLAY"_s, ':' + QString::fromLatin1(display));
    if (!expect(
            !display.isEmpty() &&
                pollUntil([this] { return xdotool(u"getmouselocation"_s, {}).has_value(); }, 10000),
            u"no Xvfb screen, or no xdotool (tools/install-deps installs them)"_s))
        return false;
    m_environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    // xdg-open in a bare X session falls back to $BROWSER once no desktop and no registered
    // handler answers; XDG folders that do not exist make sure none does.
    for (const QString& name : u"XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION "
                               "KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID"_s.split(u' '))
        m_environment.remove(name);
    for (const QString& name : u"XDG_CONFIG_HOME XDG_DATA_HOME XDG_DATA_DIRS"_s.split(u' '))
        m_environment.insert(name, scratch(u"none"_s));
    m_environment.insert(u"XDG_RUNTIME_DIR"_s, m_scratch.path());
    m_environment.insert(u"BROWSER"_s, scratch(u"browser.sh"_s));
    QFile browser(scratch(u"browser.sh"_s));
    return expect(browser.open(QIODevice::WriteOnly) &&
                      browser.write("#!/bin/sh\necho \"$*\" >> '" +
                                    scratch(u"browser.txt"_s).toUtf8() + "'\n") > 0 &&
                      browser.setPermissions(QFile::ReadOwner | QFile::ExeOwner),
                  u"cannot write the browser script"_s);
}

bool Desktop::startStandin(const QStringList& arguments)
{
    stopStandin();
    QFile::remove(scratch(u"standin.log"_s));
    m_standin.setProcessChannelMode(QProcess::MergedChannels);
    const QByteArray said = firstLine(
        m_standin, QStringLiteral(STANDIN_PROGRAM),
        QStringList{u"--port"_s, Port, u"--log"_s, scratch(u"standin.log"_s)} + arguments);
    return expect(said.startsWith("PORT "),
                  u"the stand-in cannot take port %1 of the build's hosts: %2"_s.arg(Port, said));
}

QString Desktop::standinLog() const
{
    return QString::fromUtf8(readAll(scratch(u"standin.log"_s)));
}

QStringList Desktop::browserCalls() const
{
    return QString::fromUtf8(readAll(scratch(u"browser.txt"_s))).split(u'\n', Qt::SkipEmptyParts);
}

bool Desktop::waitForStatusNumbers(const QStringList& numbers) const
{
    // Only whole lines count: each is flushed as one. The refresh is over once the last status
    // answer has led on to its picture; the log is shown when the test fails.
    static const QRegularExpression status(u"^\\d+ /pa\\?p=1:(.*):9\n"_s,
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression picture(u" /qconn/.*\n$"_s);
    const auto seen = [this] {
        QStringList found;
        for (const QRegularExpressionMatch& match : status.globalMatch(standinLog()))
            found << match.captured(1);
        return found;
    };
    return waitFor([&] { return seen() == numbers && standinLog().contains(picture); }, 15000,
                   u"the status requests for %1"_s.arg(numbers.join(u',')));
}

std::optional<QByteArray> Desktop::xdotool(const QString& command, const QVariantList& values) const
{
    QStringList arguments = command.split(u' ');
    for (QString& word : arguments) {
        if (word.startsWith(u'%')) // a whole word, so that values may hold spaces
            word = values.value(word.mid(1).toInt() - 1).toString();
    }
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(u"xdotool"_s, arguments);
    if (process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return process.readAllStandardOutput();
    return std::nullopt; // also when a search found nothing; QProcess ends one that hung
}

QList<Desktop::Window> Desktop::windows(qint64 pid) const
{
    // Names are compared by the caller in full: xdotool's own name search splits titles that
    // mix scripts and would find "Lanternix" inside the main window's title.
    static const QRegularExpression shape(
        u"^(.*)\nWINDOW=\\d+\nX=(-?\\d+)\nY=(-?\\d+)\nWIDTH=(\\d+)\nHEIGHT=(\\d+)\n"_s);
    QList<Window> found;
    const auto ids = xdotool(u"search --onlyvisible --pid %1"_s, {pid});
    for (const QString& id :
         QString::fromLatin1(ids.value_or("")).split(u'\n', Qt::SkipEmptyParts)) {
        const auto said = xdotool(u"getwindowname %1 getwindowgeometry --shell %1"_s, {id});
        const QRegularExpressionMatch match = shape.match(QString::fromUtf8(said.value_or("")));
        if (match.hasMatch()) // else gone while being looked at
            found.append({id, match.captured(1),
                          QRect(match.captured(2).toInt(), match.captured(3).toInt(),
                                match.captured(4).toInt(), match.captured(5).toInt())});
    }
    return found;
}

Desktop::Program::Program(const Desktop& desktop, const QString& folder)
    : m_desktop(desktop), m_folder(folder)
{
    m_process.setProcessEnvironment(desktop.m_environment);
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(desktop.scratch(u"program.log"_s), QIODevice::Append);
    endWithTest(m_process);
}

bool Desktop::Program::start()
{
    const QString installed = QDir(m_folder).filePath(u"Lanternix"_s);
    if (!QFile::exists(installed) && !QFile::copy(QStringLiteral(LANTERNIX_PROGRAM), installed))
        return expect(false, u"cannot copy the program into %1"_s.arg(m_folder));
    m_process.start(installed, {});
    if (!expect(m_process.waitForStarted(5000), u"the program did not start"_s))
        return false;
    // The splash takes its click at any time, also while it fades in; a click that came before
    // the window was ready is simply given again.
    const auto passed = [this] { return !isRunning() || find(MainTitle); };
    const auto clickSplash = [&] {
        const QList<Window> shown = m_desktop.windows(m_process.processId());
        if (passed() || shown.isEmpty())
            return passed();
        const QRect splash = shown.constFirst().geometry;
        click(shown.constFirst(), QPoint(splash.width(), splash.height()) * 3 / 4);
        return pollUntil(passed, 4000);
    };
    return expect(pollUntil(clickSplash, 30000) && isRunning(),
                  u"the main window did not follow the splash"_s);
}

std::optional<Desktop::Window> Desktop::Program::find(const QString& name) const
{
    const QList<Window> all = m_desktop.windows(m_process.processId());
    const auto newest = std::find_if(all.rbegin(), all.rend(),
                                     [&](const Window& window) { return window.name == name; });
    return newest == all.rend() ? std::nullopt : std::optional(*newest);
}

std::optional<Desktop::Window> Desktop::Program::waitForWindow(const QString& name)
{
    std::optional<Window> window;
    waitFor([&] { return (window = find(name)).has_value(); }, 10000,
            u"the window \"%1\""_s.arg(name));
    return window;
}

bool Desktop::Program::click(const Window& window, QPoint at, int button, const QString& text) const
{
    // One xdotool run, so the pointer is there before the button goes down; no "--sync", which
    // waits for ever when the pointer is there already.
    return m_desktop
        .xdotool(u"mousemove --window %1 %2 %3 click %4"_s +
                     (text.isEmpty() ? QString() : u" type --delay 40 -- %5"_s),
                 {window.id, at.x(), at.y(), button, text})
        .has_value();
}

bool Desktop::Program::moveTo(QPoint to)
{
    const auto window = find(MainTitle);
    return expect(
        window && m_desktop.xdotool(u"windowmove --sync %1 %2 %3"_s, {window->id, to.x(), to.y()}),
        u"cannot move the main window"_s);
}

bool Desktop::Program::openMenu(bool overFirstEntry)
{
    // The first entry's icon sits at the top left of the list; its menu is the selected entry's,
    // so the entry is selected first. The list takes no clicks until the update check has
    // passed: the right-click is given until the menu opens.
    const QPoint at = overFirstEntry ? ListArea.topLeft() + QPoint(41, 19)
                                     : ListArea.bottomRight() - QPoint(40, 36); // a blank spot
    const auto window = find(MainTitle);
    const auto opened = [&] {
        click(*window, at, 3);
        return pollUntil([this] { return find(MenuName).has_value(); }, 3000);
    };
    return expect(window && (!overFirstEntry || click(*window, at)) && pollUntil(opened, 15000),
                  u"the pop-up menu did not open over the list"_s);
}

bool Desktop::Program::choose(MenuLine line)
{
    // Nine lines and separators at one pitch, so a line's middle is found from the height; what
    // the line leads to is waited for next.
    const auto menu = waitForWindow(MenuName);
    const QRect shape = menu ? menu->geometry : QRect();
    return menu && expect(click(*menu, QPoint(shape.width() / 2,
                                              (2 * int(line) + 1) * shape.height() / 18)),
                          u"cannot click the menu"_s);
}

bool Desktop::Program::addEntry(const QString& number, const QString& remark, bool refresh)
{
    // Number and remark boxes, the refresh tick and OK, where the dialog's design has them.
    const QString title = u"添加QQ"_s;
    const auto dialog = openMenu() && choose(MenuLine::Add) ? waitForWindow(title) : std::nullopt;
    return dialog &&
           expect(click(*dialog, QPoint(152, 33), 1, number) &&
                      click(*dialog, QPoint(152, 69), 1, remark) &&
                      (!refresh || click(*dialog, QPoint(60, 104))) &&
                      click(*dialog, QPoint(280, 34)),
                  u"cannot fill in the add dialog"_s) &&
           waitFor([&] { return !find(title); }, 10000, u"the add dialog to take the entry"_s);
}

bool Desktop::Program::answerBox(const QString& key)
{
    // Without a window manager the keyboard follows the pointer unless a window takes the focus;
    // both point the key at the box. A key that came before the box could take it is given
    // again; the box going away (or the program ending on the answer) shows that it arrived.
    const auto box = waitForWindow(BoxTitle);
    for (int attempt = 0; box && attempt < 3; ++attempt) {
        m_desktop.xdotool(u"mousemove --window %1 %2 8 windowfocus %1 key %3"_s,
                          {box->id, box->geometry.width() / 2, key});
        if (pollUntil([this] { return !isRunning() || !find(BoxTitle); }, 3000))
            return true;
    }
    return box && expect(false, u"the box did not take the key %1"_s.arg(key));
}
