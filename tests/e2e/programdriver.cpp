#include "programdriver.h"

#include "childprocess.h"
#include "waitfor.h"

#include <QDir>
#include <QFile>

const QString ProgramDriver::MainTitle = QStringLiteral("Zeph系列软件のLanternix【Aurel】");
const QString ProgramDriver::BoxTitle = QStringLiteral("Zeph系列软件");

namespace {
// Where things are in the windows' designs (window coordinates; there are no frames).
const QRect ListArea(16, 24, 601, 377);
const QSize MainSize(641, 450);
const QSize EntryGrid(80, 72);
const QPoint NumberBox(152, 33);
const QPoint RemarkBox(152, 69);
const QPoint RefreshTick(60, 104);
const QPoint OkButton(280, 34);
constexpr int MenuLines = 9;
const QString MenuName = QStringLiteral("Lanternix"); // a pop-up menu carries the program's name
const QString AddTitle = QStringLiteral("添加QQ");
const QString EditTitle = QStringLiteral("修改QQ");
} // namespace

ProgramDriver::ProgramDriver(const VirtualScreen& screen, const QString& folder,
                             const QProcessEnvironment& environment, const QString& outputFile)
    : m_screen(screen), m_folder(folder)
{
    m_process.setProgram(QDir(folder).filePath(QStringLiteral("Lanternix")));
    m_process.setWorkingDirectory(folder);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(outputFile, QIODevice::Append);
    endWithTest(m_process);
}

ProgramDriver::~ProgramDriver()
{
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ProgramDriver::installInto(const QString& folder)
{
    const QString target = QDir(folder).filePath(QStringLiteral("Lanternix"));
    return expect(QFile::copy(QStringLiteral(LANTERNIX_PROGRAM), target),
                  QStringLiteral("cannot copy the program into %1").arg(folder));
}

bool ProgramDriver::start()
{
    m_process.start();
    return expect(m_process.waitForStarted(5000),
                  QStringLiteral("the program did not start: %1").arg(m_process.errorString()));
}

bool ProgramDriver::waitForEnd(int timeoutMs)
{
    return waitFor([this] { return !isRunning(); }, timeoutMs,
                   QStringLiteral("the program to end"));
}

bool ProgramDriver::waitForWindow(const QString& name, int timeoutMs, VirtualScreen::Window* found)
{
    return waitFor(
        [&] {
            const auto window = m_screen.window(pid(), name);
            if (window && found)
                *found = *window;
            return window.has_value();
        },
        timeoutMs, QStringLiteral("the window \"%1\"").arg(name));
}

bool ProgramDriver::waitForSplash()
{
    return waitFor([this] { return !m_screen.windows(pid()).isEmpty() || !isRunning(); }, 20000,
                   QStringLiteral("the splash")) &&
           expect(isRunning(), QStringLiteral("the program ended before its splash showed"));
}

std::optional<VirtualScreen::Window> ProgramDriver::mainWindow() const
{
    return m_screen.window(pid(), MainTitle);
}

bool ProgramDriver::passSplash()
{
    if (!waitForSplash())
        return false;
    // The splash takes its click at any time, also while it fades in; a click that came before
    // the window was ready is simply given again.
    const bool passed = pollUntil(
        [this] {
            if (mainWindow() || !isRunning())
                return true;
            const QList<VirtualScreen::Window> shown = m_screen.windows(pid());
            if (!shown.isEmpty()) {
                const VirtualScreen::Window& splash = shown.constFirst();
                m_screen.click(splash, QPoint(splash.geometry.width() * 3 / 4,
                                              splash.geometry.height() * 3 / 4));
            }
            return pollUntil([this] { return mainWindow().has_value() || !isRunning(); }, 4000);
        },
        20000);
    if (!expect(passed && isRunning(), QStringLiteral("the main window did not follow the splash")))
        return false;
    const auto window = mainWindow();
    return expect(window && window->geometry.size() == MainSize,
                  QStringLiteral("the main window is %1 x %2, not 641 x 450")
                      .arg(window ? window->geometry.width() : 0)
                      .arg(window ? window->geometry.height() : 0));
}

bool ProgramDriver::moveMainWindow(QPoint to)
{
    const auto window = mainWindow();
    return expect(window && m_screen.move(*window, to),
                  QStringLiteral("cannot move the main window"));
}

QPoint ProgramDriver::entryCentre(int position)
{
    const int perRow = ListArea.width() / EntryGrid.width();
    const int column = (position - 1) % perRow;
    const int row = (position - 1) / perRow;
    // The icon sits at the top of its grid cell, inside the list's one-pixel border.
    return ListArea.topLeft() + QPoint(1 + EntryGrid.width() / 2 + column * EntryGrid.width(),
                                       1 + 18 + row * EntryGrid.height());
}

bool ProgramDriver::selectEntry(int position)
{
    const auto window = mainWindow();
    return expect(window && m_screen.click(*window, entryCentre(position)),
                  QStringLiteral("cannot click entry %1").arg(position));
}

bool ProgramDriver::openMenu(int overEntry)
{
    const auto window = mainWindow();
    if (!expect(window.has_value(), QStringLiteral("no main window to open the menu on")))
        return false;
    const QPoint at = overEntry > 0 ? entryCentre(overEntry)
                                    : ListArea.bottomRight() - QPoint(40, 36); // a blank spot
    const bool opened = pollUntil(
        [&] {
            m_screen.click(*window, at, 3);
            return pollUntil([this] { return m_screen.window(pid(), MenuName).has_value(); }, 3000);
        },
        15000);
    return expect(opened, QStringLiteral("the pop-up menu did not open over the list"));
}

bool ProgramDriver::choose(MenuLine line)
{
    VirtualScreen::Window menu;
    if (!waitForWindow(MenuName, 5000, &menu))
        return false;
    // Lines and separators repeat at one pitch, so a line's middle is found from the height.
    const int index = int(line);
    const QPoint at(menu.geometry.width() / 2,
                    (2 * index + 1) * menu.geometry.height() / (2 * MenuLines));
    return expect(m_screen.click(menu, at), QStringLiteral("cannot click the menu")) &&
           waitFor([this] { return !m_screen.window(pid(), MenuName); }, 5000,
                   QStringLiteral("the menu to close"));
}

bool ProgramDriver::fillEntryDialog(const QString& title, const QString& number,
                                    const QString& remark, bool refresh)
{
    VirtualScreen::Window dialog;
    if (!waitForWindow(title, 10000, &dialog))
        return false;
    const auto fill = [&](QPoint field, const QString& text) {
        if (text.isEmpty())
            return true;
        return m_screen.click(dialog, field) && m_screen.keys(dialog, {QStringLiteral("ctrl+a")}) &&
               m_screen.type(text);
    };
    if (!expect(fill(NumberBox, number) && fill(RemarkBox, remark),
                QStringLiteral("cannot type into the dialog \"%1\"").arg(title)))
        return false;
    if (refresh &&
        !expect(m_screen.click(dialog, RefreshTick), QStringLiteral("cannot tick the refresh box")))
        return false;
    return expect(m_screen.click(dialog, OkButton), QStringLiteral("cannot press OK")) &&
           waitFor([&] { return !m_screen.window(pid(), title); }, 10000,
                   QStringLiteral("the dialog \"%1\" to take the entry and close").arg(title));
}

bool ProgramDriver::addEntry(const QString& number, const QString& remark, bool refresh)
{
    return openMenu() && choose(MenuLine::Add) &&
           fillEntryDialog(AddTitle, number, remark, refresh);
}

bool ProgramDriver::editEntry(int position, const QString& number, const QString& remark,
                              bool refresh)
{
    return selectEntry(position) && openMenu(position) && choose(MenuLine::Edit) &&
           fillEntryDialog(EditTitle, number, remark, refresh);
}

bool ProgramDriver::deleteEntry(int position, const QString& answer)
{
    return selectEntry(position) && openMenu(position) && choose(MenuLine::Delete) &&
           answerBox(answer);
}

bool ProgramDriver::quit(const QString& answer)
{
    return openMenu() && choose(MenuLine::Quit) && answerBox(answer);
}

std::optional<VirtualScreen::Window> ProgramDriver::box() const
{
    return m_screen.window(pid(), BoxTitle);
}

bool ProgramDriver::answerBox(const QString& key)
{
    VirtualScreen::Window shown;
    if (!waitForWindow(BoxTitle, 10000, &shown))
        return false;
    // A key that came before the box could take it is given again; the box going away (or the
    // program ending on the answer) is the sign that it arrived.
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_screen.keys(shown, {key});
        if (pollUntil([this] { return !isRunning() || !box(); }, 3000))
            return true;
    }
    return expect(false, QStringLiteral("the message box did not take the key %1").arg(key));
}
