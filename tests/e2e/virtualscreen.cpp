#include "virtualscreen.h"

#include "childprocess.h"
#include "waitfor.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

VirtualScreen::~VirtualScreen()
{
    stop();
}

bool VirtualScreen::start()
{
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (!expect(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                    QStringLiteral("%1 is not installed (tools/install-deps installs it)")
                        .arg(QLatin1String(tool))))
            return false;
    }
    for (int number = 90; number < 190; ++number) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
        if (QFile::exists(socket) || QFile::exists(lock))
            continue;
        m_xvfb.setProgram(QStringLiteral("Xvfb"));
        m_xvfb.setArguments({QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                             QStringLiteral("0"), QStringLiteral("1280x800x24"),
                             QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        m_xvfb.setStandardOutputFile(QProcess::nullDevice());
        m_xvfb.setStandardErrorFile(QProcess::nullDevice());
        endWithTest(m_xvfb);
        m_xvfb.start();
        if (!m_xvfb.waitForStarted(5000))
            break;
        // Another screen may have taken the number in the meantime: then the lock file is not
        // ours, this Xvfb gives up and the next number is tried.
        const QByteArray ownPid = QByteArray::number(m_xvfb.processId());
        const auto ready = [&] {
            QFile lockFile(lock);
            return QFile::exists(socket) && lockFile.open(QIODevice::ReadOnly) &&
                   lockFile.readAll().trimmed() == ownPid;
        };
        pollUntil([&] { return ready() || m_xvfb.state() == QProcess::NotRunning; }, 10000);
        if (m_xvfb.state() == QProcess::Running && ready()) {
            m_display = QStringLiteral(":%1").arg(number);
            return true;
        }
        stop();
    }
    return expect(false, QStringLiteral("no Xvfb screen could be started"));
}

void VirtualScreen::stop()
{
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000)) {
            m_xvfb.kill();
            m_xvfb.waitForFinished(5000);
        }
    }
    m_display.clear();
}

std::optional<QByteArray> VirtualScreen::xdotool(const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QList<VirtualScreen::Window> VirtualScreen::windows(qint64 pid) const
{
    QList<Window> found;
    const auto ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--pid"), QString::number(pid)});
    if (!ids)
        return found; // xdotool answers "failure" when nothing matches
    for (const QByteArray& id : ids->split('\n')) {
        if (id.trimmed().isEmpty())
            continue;
        Window window;
        window.id = QString::fromLatin1(id.trimmed());
        // The name is compared here in full: xdotool's own name search splits titles that
        // mix scripts and would match "Lanternix" inside the main window's title.
        const auto name = xdotool({QStringLiteral("getwindowname"), window.id});
        const auto shape =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window.id});
        if (!name || !shape)
            continue; // gone while being looked at
        window.name = QString::fromUtf8(name->chopped(name->endsWith('\n') ? 1 : 0));
        int values[4] = {0, 0, 0, 0};
        for (const QByteArray& line : shape->split('\n')) {
            const auto fields = {"X=", "Y=", "WIDTH=", "HEIGHT="};
            int index = 0;
            for (const char* key : fields) {
                if (line.startsWith(key))
                    values[index] = line.mid(qstrlen(key)).toInt();
                ++index;
            }
        }
        window.geometry = QRect(values[0], values[1], values[2], values[3]);
        found.append(window);
    }
    return found;
}

std::optional<VirtualScreen::Window> VirtualScreen::window(qint64 pid, const QString& name) const
{
    const QList<Window> all = windows(pid);
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (it->name == name)
            return *it;
    }
    return std::nullopt;
}

bool VirtualScreen::pointAt(const Window& window, QPoint at) const
{
    const QPoint target = window.geometry.topLeft() + at;
    // "mousemove --sync" waits for the pointer to move, for ever when it is there already.
    const auto location = xdotool({QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    if (location && location->contains("X=" + QByteArray::number(target.x()) +
                                       "\nY=" + QByteArray::number(target.y()) + "\n"))
        return true;
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                    QString::number(target.x()), QString::number(target.y())})
        .has_value();
}

bool VirtualScreen::click(const Window& window, QPoint at, int button) const
{
    return pointAt(window, at) &&
           xdotool({QStringLiteral("click"), QString::number(button)}).has_value();
}

bool VirtualScreen::press(const Window& window, QPoint at, int button) const
{
    return pointAt(window, at) &&
           xdotool({QStringLiteral("mousedown"), QString::number(button)}).has_value();
}

bool VirtualScreen::release(const Window& window, QPoint at, int button) const
{
    return pointAt(window, at) &&
           xdotool({QStringLiteral("mouseup"), QString::number(button)}).has_value();
}

bool VirtualScreen::keys(const Window& window, const QStringList& keys) const
{
    // Without a window manager the keyboard follows the pointer unless a window takes the
    // focus; both point the keys at this window.
    if (!pointAt(window, QPoint(window.geometry.width() / 2, 8)))
        return false;
    if (!xdotool({QStringLiteral("windowfocus"), window.id}))
        return false;
    return xdotool(
               QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
               keys)
        .has_value();
}

bool VirtualScreen::type(const QString& text) const
{
    // The caller has clicked into the field, so it has the keyboard.
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                    QStringLiteral("--"), text})
        .has_value();
}

bool VirtualScreen::move(const Window& window, QPoint to) const
{
    return xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), window.id,
                    QString::number(to.x()), QString::number(to.y())})
        .has_value();
}
