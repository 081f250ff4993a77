#pragma once

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>
#include <optional>

// The helpers answer true on success; on failure they have failed the running test with a word
// on what went wrong, and the test function just returns.
#define STEP(helperCall)                                                                           \
    if (!(helperCall))                                                                             \
    return

// Polls the condition every 50 ms while events run; true when it came true in time.
bool pollUntil(const std::function<bool()>& condition, int timeoutMs);
// As pollUntil, but a time-out fails the test: "timed out after N ms waiting for <what>".
bool waitFor(const std::function<bool()>& condition, int timeoutMs, const QString& what);
bool expect(bool ok, const QString& what); // fails the test with what when not ok
QByteArray readAll(const QString& path);   // empty when there is no such file

// A private X screen (Xvfb) worked from outside with xdotool, lanternix-standin on the port the
// build's hosts point at, and a scratch folder for the logs and a $BROWSER script that only notes
// the address. Every process here is started by the test and ended through its own handle.
class Desktop final
{
public:
    struct Window
    {
        QString id, name;
        QRect geometry; // on the screen; there is no window manager, so no frames either
    };
    class Program;

    ~Desktop();
    [[nodiscard]] bool start();
    // A fresh log each time; false (test failed) when the stand-in cannot take the port.
    [[nodiscard]] bool startStandin(const QStringList& arguments);
    void stopStandin() // it keeps nothing to lose
    {
        m_standin.kill();
        m_standin.waitForFinished(5000);
    }
    QString scratch(const QString& name) const { return m_scratch.filePath(name); }

    QString standinLog() const; // "<ms since start> <target>" lines
    QStringList browserCalls() const;
    // Waits for exactly these status requests, the last one followed by its picture.
    [[nodiscard]] bool waitForStatusNumbers(const QStringList& numbers) const;

    QList<Window> windows(qint64 pid) const; // newest last
    // Runs xdotool on this screen; a word "%N" of the command stands for the Nth value.
    std::optional<QByteArray> xdotool(const QString& command, const QVariantList& values) const;

private:
    QTemporaryDir m_scratch;
    QProcess m_xvfb, m_standin;
    QProcessEnvironment m_environment; // the screen and a bare session, for the program
};

// One copy of the real program, started from its folder and worked the way a user works it.
class Desktop::Program final
{
public:
    enum class MenuLine { Add, Edit, Delete, Chat, Refresh, Clear, About, Visit, Quit };

    // A copy still running at the end of a test is ended by QProcess itself.
    Program(const Desktop& desktop, const QString& folder);

    // Copies the executable into the folder the first time, as a user installs it, starts it
    // and clicks the splash until the main window shows.
    [[nodiscard]] bool start();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    [[nodiscard]] bool waitForEnd()
    {
        return waitFor([this] { return !isRunning(); }, 15000, QStringLiteral("the program's end"));
    }
    [[nodiscard]] bool moveTo(QPoint to);

    // Right-clicks the list (over the first entry or a blank spot) until the menu opens.
    [[nodiscard]] bool openMenu(bool overFirstEntry = false);
    [[nodiscard]] bool choose(MenuLine line);
    [[nodiscard]] bool addEntry(const QString& number, const QString& remark, bool refresh);
    [[nodiscard]] bool quit(const QString& answer)
    {
        return openMenu() && choose(MenuLine::Quit) && answerBox(answer);
    }
    [[nodiscard]] bool answerBox(const QString& key); // "alt+y", "Escape", "Return" ...

private:
    std::optional<Window> find(const QString& name) const;
    std::optional<Window> waitForWindow(const QString& name);
    // Clicks a spot of the window, then types the text (when there is one) into what it focused.
    bool click(const Window& window, QPoint at, int button = 1, const QString& text = {}) const;

    const Desktop& m_desktop;
    QString m_folder;
    QProcess m_process;
};
