#pragma once

#include "virtualscreen.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

// One running copy of the real program, started from its folder on a virtual screen and worked
// from outside the way a user works it: clicks on the splash, the list and the dialogs, the
// pop-up menu, keys for the message boxes.
class ProgramDriver final
{
public:
    // The menu's lines, top to bottom.
    enum class MenuLine { Add, Edit, Delete, Chat, Refresh, Clear, About, Visit, Quit };

    static const QString MainTitle;
    static const QString BoxTitle;

    ProgramDriver(const VirtualScreen& screen, const QString& folder,
                  const QProcessEnvironment& environment, const QString& outputFile);
    ~ProgramDriver(); // a copy still running at the end of a test is ended
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // Copies the program's executable into a folder, as a user installs it.
    [[nodiscard]] static bool installInto(const QString& folder);

    [[nodiscard]] bool start();
    qint64 pid() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    [[nodiscard]] bool waitForEnd(int timeoutMs = 15000);

    // Waits for the splash (the runtime files are written by then).
    [[nodiscard]] bool waitForSplash();
    // Clicks the splash (again, while it has not reacted) until the main window shows.
    [[nodiscard]] bool passSplash();
    std::optional<VirtualScreen::Window> mainWindow() const;
    [[nodiscard]] bool moveMainWindow(QPoint to);

    // Right-clicks the list (over an entry, 1-based, or a blank spot for 0) until the menu
    // opens; the list takes no clicks until the update check has passed.
    [[nodiscard]] bool openMenu(int overEntry = 0);
    [[nodiscard]] bool choose(MenuLine line);
    [[nodiscard]] bool selectEntry(int position);

    [[nodiscard]] bool addEntry(const QString& number, const QString& remark, bool refresh);
    // Empty texts leave a field as the dialog filled it in.
    [[nodiscard]] bool editEntry(int position, const QString& number, const QString& remark,
                                 bool refresh);
    [[nodiscard]] bool deleteEntry(int position, const QString& answer);
    [[nodiscard]] bool quit(const QString& answer);

    // Waits for a message box and answers it with a key ("Return", "Escape", "alt+y" ...).
    [[nodiscard]] bool answerBox(const QString& key);
    std::optional<VirtualScreen::Window> box() const;

private:
    [[nodiscard]] bool waitForWindow(const QString& name, int timeoutMs,
                                     VirtualScreen::Window* found);
    [[nodiscard]] bool fillEntryDialog(const QString& title, const QString& number,
                                       const QString& remark, bool refresh);
    static QPoint entryCentre(int position);

    const VirtualScreen& m_screen;
    QString m_folder;
    QProcess m_process;
};
