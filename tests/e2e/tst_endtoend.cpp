// The real program as a user meets it: copied into an empty folder, started on a private X screen
// (Xvfb), worked only from outside with xdotool, against lanternix-standin on the loopback port
// that the build's three hosts point at. An entry added on the first start must be saved when the
// user leaves with No, and be there again on the next start, which a user in Taiwan makes and reads
// in Traditional characters. With LANTERNIX_E2E_WINDOWS_PACKAGE naming the Windows zip (built for
// the same port), that zip is unpacked instead and its Lanternix.exe run under Wine, in the Wine
// prefix the environment names; naming the folder the Windows setup installed the program into,
// in that prefix, the program runs there.

#include "folders.h"

#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

const QString Port = u"" LANTERNIX_MAKER_HOST ""_s.section(u':', 1); // of all three hosts
enum MenuLine { Add = 0, Refresh = 4, Quit = 8 }; // of nine, with a separator between two

struct Window
{
    QString id;
    QSize size; // there is no window manager, so no frames either
};

// A wait with a time limit; a time-out fails the test with what it waited for.
// clang-format off
#define WAIT_FOR(condition, what)                                                                  \
    QVERIFY2(QTest::qWaitFor([&] { return bool(condition); }, 15000),                              \
             "timed out waiting for " what)
// clang-format on

class TstEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each process goes when the test goes, even when ctest kills the test on a time-out:
        // nothing is left behind holding the screen or the port.
        for (QProcess* process : {&m_xvfb, &m_standin, &m_program})
            process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        // Xvfb picks a free display and names it once it takes connections; -noreset keeps it up
        // between the two starts. One xdotool run shows that xdotool is there too.
        m_xvfb.start(u"Xvfb"_s,
                     u"-displayfd 1 -noreset -screen 0 1280x800x24 -nolisten tcp"_s.split(' '));
        const QByteArray display = m_xvfb.waitForReadyRead(10000) ? m_xvfb.readAll().trimmed() : "";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DISPLAY"_s, ':' + QString::fromLatin1(display));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s); // ctest asks for offscreen
        for (const QString& name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
            environment.remove(name); // the language is LANG's alone
        environment.insert(u"LANG"_s, u"C.UTF-8"_s);
        m_program.setProcessEnvironment(environment);
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        QVERIFY2(!display.isEmpty() && xdotool(u"getmouselocation"_s),
                 "no Xvfb screen, or no xdotool (tools/install-deps installs them)");
        // The remark's characters get keys of their own: xdotool would otherwise remap one spare
        // key for each, and Wine keeps the first character it saw on that key.
        QVERIFY(run(u"xmodmap"_s,
                    {u"-e"_s, u"keycode 93 = U540C"_s, u"-e"_s, u"keycode 97 = U5B66"_s}));
        // The stand-in names its port once it listens.
        m_standin.start(u"" STANDIN_PROGRAM ""_s, {u"--port"_s, Port, u"--log"_s, m_log});
        QVERIFY2(m_standin.waitForReadyRead(10000) && m_standin.readAll().startsWith("PORT "),
                 qPrintable("the stand-in cannot take port " + Port));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            qInfo().noquote() << "the stand-in saw:\n" << readFile(m_log);
        // The program still runs when the test failed or left it open; Xvfb, when asked, takes
        // its lock file and socket away. One that hangs on is killed by QProcess at the end.
        for (QProcess* process : {&m_program, &m_standin, &m_xvfb}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    void entrySurvivesLeavingWithNo()
    {
        QVERIFY2(install(), "the program could not be put into its folder");
        const QString list = m_programFolder.filePath(u"QQlist.cfg"_s);
        // CRLF lines, the remark 同学 in GB18030.
        const QByteArray saved =
            "[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=10001\r\nImis2=\xCD\xAC\xD1\xA7\r\n";

        // First start: the splash fades in by itself, the update check enables the (empty) list.
        QVERIFY2(startProgram(), "the main window did not follow the splash");
        static const QRegularExpression faded(u"= (?!4294967295\n)[1-9](?s:.*)= 4294967295\n"_s);
        QVERIFY2(!m_windowsPackage.isEmpty() || QString(m_fade).contains(faded),
                 "the splash's opacity went " + m_fade);
        WAIT_FOR(readFile(m_log).count("/jc.txt\n") == 1, "the first start's version request");
        // The tune, played or not, never brings the JACK library into the program.
        QVERIFY(!readFile(u"/proc/%1/maps"_s.arg(m_program.processId())).contains("libjack"));
        // The dialog opens with its tick box focused: each text box is clicked before typing.
        QVERIFY2(choose(Add), "the pop-up menu did not open over the list");
        // The number box, the remark box and OK, where the dialog's design puts them.
        const auto dialog = find(u"添加QQ"_s, 15000);
        QVERIFY2(dialog && doAt(*dialog, {152, 33}, u"click 1 type --delay 40 -- 10001"_s) &&
                     doAt(*dialog, {152, 69}, u"click 1 type --delay 40 -- 同学"_s) &&
                     doAt(*dialog, {280, 34}, u"click 1"_s),
                 "no add dialog to fill in");
        WAIT_FOR(!find(u"添加QQ"_s), "the add dialog to take the entry");
        QVERIFY2(leaveWithNo(), "the program did not end on leaving with No");
        QCOMPARE(readFile(list), saved);

        // Second start from the same folder, by a user in Taiwan: the windows read in Traditional
        // characters, and a refresh asks for the entry's status, so it is back.
        QProcessEnvironment environment = m_program.processEnvironment();
        environment.insert(u"LANG"_s, u"zh_TW.UTF-8"_s);
        m_program.setProcessEnvironment(environment);
        m_maker = u"Zeph系列軟體"_s;
        QVERIFY2(startProgram(), "no main window in Traditional characters on the second start");
        WAIT_FOR(readFile(m_log).count("/jc.txt\n") == 2, "the second start's version request");
        const qsizetype asked = readFile(m_log).count(" /pa?p=1:10001:9\n");
        QVERIFY2(choose(Refresh), "the pop-up menu did not open over the list");
        WAIT_FOR(readFile(m_log).count(" /pa?p=1:10001:9\n") > asked,
                 "the status request for 10001");
        QVERIFY2(leaveWithNo(), "the program did not end on leaving with No");
        QCOMPARE(readFile(list), saved);
    }

private:
    // The Linux program copied into the empty folder, or the Windows zip unpacked there, or the
    // folder the setup installed it into.
    bool install()
    {
        if (m_windowsPackage.isEmpty())
            return QFile::copy(u"" LANTERNIX_PROGRAM ""_s,
                               m_programFolder.filePath(u"Lanternix"_s));
        if (QFileInfo(m_windowsPackage).isDir())
            return m_programFolder.cd(m_windowsPackage);
        const auto unpacked = run(u"cmake"_s, {u"-E"_s, u"chdir"_s, m_folder.path(), u"cmake"_s,
                                               u"-E"_s, u"tar"_s, u"xf"_s, m_windowsPackage});
        // The package holds one folder, which becomes the program's.
        const QStringList top = m_programFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        return unpacked && top.size() == 1 && m_programFolder.cd(top.first());
    }

    // Runs a tool on the private screen.
    std::optional<QByteArray> run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(m_program.processEnvironment());
        process.start(tool, arguments);
        if (process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return process.readAllStandardOutput();
        return std::nullopt; // also when a search found nothing; QProcess ends one that hung
    }

    // xdotool's words are split at blanks: no value here holds one.
    std::optional<QByteArray> xdotool(const QString& command)
    {
        return run(u"xdotool"_s, command.split(u' '));
    }

    // Moves the pointer to a spot of the window, then does the rest there in the same run, so
    // that the pointer is there before a button goes down.
    bool doAt(const Window& window, QPoint at, const QString& then)
    {
        const QString move =
            u"mousemove --window %1 %2 %3 "_s.arg(window.id).arg(at.x()).arg(at.y());
        return xdotool(move + then).has_value();
    }

    // The program's newest window of that title, once it shows within the time.
    std::optional<Window> find(const QString& title, int timeoutMs = 0)
    {
        // Titles are compared in full here: xdotool's own name search splits titles that mix
        // scripts.
        static const QRegularExpression shape(u"^(.*)\n(?:.*\n)*WIDTH=(\\d+)\nHEIGHT=(\\d+)\n"_s);
        std::optional<Window> newest;
        const auto look = [&] {
            const auto ids = xdotool(u"search --onlyvisible --pid %1"_s.arg(m_program.processId()));
            for (const QString& id : QString::fromLatin1(ids.value_or("")).split(u'\n')) {
                const auto said =
                    xdotool(u"getwindowname %1 getwindowgeometry --shell %1"_s.arg(id));
                const auto match = shape.match(QString::fromUtf8(said.value_or("")));
                if (match.hasMatch() && match.captured(1) == title) // else gone, or another one
                    newest = {id, {match.captured(2).toInt(), match.captured(3).toInt()}};
            }
            return newest.has_value();
        };
        return QTest::qWaitFor(look, timeoutMs) ? newest : std::nullopt;
    }

    bool startProgram()
    {
        // Started from elsewhere, as from a desktop launcher: the program keeps its files beside
        // itself. The splash (titled with the program's name) takes its click at any time, also
        // while it fades in; a click that came before the window was ready is simply given again.
        if (m_windowsPackage.isEmpty())
            m_program.start(m_programFolder.filePath(u"Lanternix"_s), {});
        else
            m_program.start(u"wine"_s, {m_programFolder.filePath(u"Lanternix.exe"_s)});
        const auto clickSplash = [this] {
            // At first the splash is awaited: its opacity is read from outside as soon as it
            // shows and until the click, while nothing moves.
            if (const auto splash =
                    find(m_maker + u"のLanternix"_s, m_fade.isEmpty() ? 10000 : 0)) {
                const QStringList ask{u"-id"_s, splash->id, u"_NET_WM_WINDOW_OPACITY"_s};
                const auto full = [&] {
                    return (m_fade += run(u"/usr/bin/xprop"_s, ask).value_or(""))
                        .contains("= 4294967295\n");
                };
                (void)(m_windowsPackage.isEmpty() && QTest::qWaitFor(full, 5000));
                doAt(*splash, {450, 296}, u"click 1"_s);
            }
            return find(mainTitle(), 3000).has_value();
        };
        return m_program.waitForStarted() && QTest::qWaitFor(clickSplash, 30000);
    }

    bool choose(MenuLine line)
    {
        // The list takes no clicks until the update check has passed, nor while it refreshes: a
        // blank spot low in it is right-clicked until the menu (named after the program) opens.
        // Lines and separators share one pitch, so a line's middle follows from the menu's height.
        const auto window = find(mainTitle());
        std::optional<Window> menu;
        const auto openMenu = [&] {
            return doAt(*window, {576, 364}, u"click 3"_s) && (menu = find(u"Lanternix"_s, 3000));
        };
        return window && QTest::qWaitFor(openMenu, 15000) &&
               doAt(*menu, {menu->size.width() / 2, (2 * line + 1) * menu->size.height() / 18},
                    u"click 1"_s);
    }

    bool leaveWithNo()
    {
        // Without a window manager the keyboard follows the pointer unless a window takes the
        // focus; both point alt+n at the box. A key given before the box took it is given again.
        const auto box = choose(Quit) ? find(m_maker, 15000) : std::nullopt;
        const auto answerNo = [&] {
            doAt(*box, {20, 8}, "windowfocus " + box->id + " key alt+n");
            return m_program.waitForFinished(3000);
        };
        // Under Wine the program is ended by its kill command, which a signal carries out.
        return box && QTest::qWaitFor(answerNo, 15000) &&
               (m_program.exitStatus() == QProcess::NormalExit || !m_windowsPackage.isEmpty());
    }

    QString mainTitle() const { return m_maker + u"のLanternix【Aurel】"_s; }

    QString m_maker = u"Zeph系列软件"_s; // in the windows' titles, in the user's script
    QTemporaryDir m_scratch, m_folder;   // for the stand-in's log; where the program is put
    const QString m_log = m_scratch.filePath(u"standin.log"_s);
    QDir m_programFolder{m_folder.path()};
    QProcess m_xvfb, m_standin, m_program;
    QByteArray m_fade; // the splash's opacities as xprop read them on the first start
    const QString m_windowsPackage = qEnvironmentVariable("LANTERNIX_E2E_WINDOWS_PACKAGE");
};

QTEST_GUILESS_MAIN(TstEndToEnd)
#include "tst_endtoend.moc"
