// The real program, started from a folder of its own on a private X screen, worked only from
// outside with xdotool, against lanternix-standin on the port the build's hosts point at.

#include "programdriver.h"
#include "standinrun.h"
#include "support/readonlyfolder.h"
#include "virtualscreen.h"
#include "waitfor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using MenuLine = ProgramDriver::MenuLine;

const QStringList RuntimeFiles = {QStringLiteral("SkinH_VB6.dll"), QStringLiteral("skinh.she"),
                                  QStringLiteral("MSCOMCTL.OCX"),  QStringLiteral("MSINET.OCX"),
                                  QStringLiteral("zeph.mp3"),      QStringLiteral("Image.ocx"),
                                  QStringLiteral("IniEnV.ocx")};
const QString ListFileName = QStringLiteral("QQlist.cfg");

struct Entry
{
    QString number;
    QString remark;
};

// The list file as the program writes it: CRLF lines, remarks in GB18030. Sections beyond the
// count are the ones an earlier, longer list left behind.
QByteArray listFile(int count, const QList<Entry>& sections)
{
    QStringEncoder gb18030("GB18030");
    QByteArray bytes = "[MEUserData]\r\nIncout=" + QByteArray::number(count) + "\r\n";
    for (qsizetype i = 0; i < sections.size(); ++i) {
        bytes += "[" + QByteArray::number(i + 1) + "]\r\n";
        bytes += "Imis1=" + sections[i].number.toLatin1() + "\r\n";
        bytes += "Imis2=" + QByteArray(gb18030(sections[i].remark)) + "\r\n";
    }
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return expect(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                  QStringLiteral("cannot write %1").arg(path));
}

// Every file of a folder with its contents, to see that a run changed nothing.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readAll(QDir(folder).filePath(name)));
    return files;
}

QString forumAddress()
{
    return QStringLiteral("http://127.0.0.1:%1/bbs").arg(StandinRun::port());
}

} // namespace

class TestEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRun();
    void secondRun();
    void updateCheckEnds_data();
    void updateCheckEnds();
    void readOnlyFolder();
    void twoCopies();

private:
    void keepPicture() const;
    QString scratch(const QString& name) const { return m_scratch->filePath(name); }
    QProcessEnvironment programEnvironment() const;
    std::unique_ptr<ProgramDriver> program(const QString& folder) const;
    [[nodiscard]] bool startStandin(const QStringList& arguments = {});
    [[nodiscard]] bool waitForStatusNumbers(const QStringList& numbers);
    [[nodiscard]] bool runFirstRun(const QString& folder);
    QStringList browserCalls() const;

    std::unique_ptr<VirtualScreen> m_screen;
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<StandinRun> m_standin;
    QTemporaryDir m_firstRunFolder; // the second run starts where the first one left off
    bool m_firstRunDone = false;
};

void TestEndToEnd::init()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
    for (const char* folder : {"runtime", "config", "data", "data-dirs"})
        QVERIFY(QDir(m_scratch->path()).mkpath(QLatin1String(folder)));
    QFile::setPermissions(scratch(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The "browser" only notes the address it was asked to open.
    const QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" +
                              scratch(QStringLiteral("browser.txt")).toUtf8() + "'\n";
    QVERIFY(writeFile(scratch(QStringLiteral("browser.sh")), script));
    QFile::setPermissions(scratch(QStringLiteral("browser.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    m_screen = std::make_unique<VirtualScreen>();
    QVERIFY(m_screen->start());
    setFailureHook([this] { keepPicture(); });
}

void TestEndToEnd::keepPicture() const
{
    // What the screen showed when it went wrong, where ImageMagick is at hand.
    if (QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty())
        return;
    const QString picture = QDir::temp().filePath(
        QStringLiteral("lanternix-e2e-%1.png").arg(QLatin1String(QTest::currentTestFunction())));
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-display"), m_screen->display(), QStringLiteral("-window"),
                       QStringLiteral("root"), picture});
    qInfo().noquote() << "screen at the failure:" << picture;
}

void TestEndToEnd::cleanup()
{
    if (QTest::currentTestFailed()) {
        if (m_standin)
            qInfo().noquote() << "stand-in saw:" << m_standin->targets().join(QLatin1Char(' '));
        qInfo().noquote() << "program said:\n"
                          << QString::fromLocal8Bit(
                                 readAll(scratch(QStringLiteral("program.log"))));
    }
    setFailureHook({});
    m_standin.reset();
    m_screen.reset();
    m_scratch.reset();
}

QProcessEnvironment TestEndToEnd::programEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_screen->display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch(QStringLiteral("runtime")));
    // xdg-open in a bare X session falls back to $BROWSER once no desktop and no registered
    // handler answers; empty XDG folders make sure none does.
    for (const char* desktop : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                                "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        environment.remove(QLatin1String(desktop));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), scratch(QStringLiteral("data-dirs")));
    environment.insert(QStringLiteral("BROWSER"), scratch(QStringLiteral("browser.sh")));
    return environment;
}

std::unique_ptr<ProgramDriver> TestEndToEnd::program(const QString& folder) const
{
    return std::make_unique<ProgramDriver>(*m_screen, folder, programEnvironment(),
                                           scratch(QStringLiteral("program.log")));
}

bool TestEndToEnd::startStandin(const QStringList& arguments)
{
    m_standin = std::make_unique<StandinRun>(scratch(QStringLiteral("standin.log")));
    return m_standin->start(arguments);
}

bool TestEndToEnd::waitForStatusNumbers(const QStringList& numbers)
{
    // The refresh is over once the last status answer has led on to its picture.
    const bool arrived = waitFor(
        [&] {
            const QStringList targets = m_standin->targets();
            return m_standin->statusNumbers().size() >= numbers.size() && !targets.isEmpty() &&
                   targets.constLast().startsWith(QLatin1String("/qconn/"));
        },
        15000, QStringLiteral("the status requests for %1").arg(numbers.join(QLatin1Char(','))));
    return arrived && expect(m_standin->statusNumbers() == numbers,
                             QStringLiteral("status requests %1, expected %2")
                                 .arg(m_standin->statusNumbers().join(QLatin1Char(',')),
                                      numbers.join(QLatin1Char(','))));
}

QStringList TestEndToEnd::browserCalls() const
{
    const QByteArray said = readAll(scratch(QStringLiteral("browser.txt")));
    return QString::fromUtf8(said).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestEndToEnd::runFirstRun(const QString& folder)
{
    if (!ProgramDriver::installInto(folder) ||
        !startStandin({QStringLiteral("--online"), QStringLiteral("10001,20002")}))
        return false;
    const auto lanternix = program(folder);
    if (!lanternix->start() || !lanternix->waitForSplash())
        return false;
    for (const QString& name : RuntimeFiles) {
        if (!expect(QFileInfo(QDir(folder).filePath(name)).size() > 0,
                    QStringLiteral("runtime file %1 was not written").arg(name)))
            return false;
    }
    if (!lanternix->passSplash() || !waitFor([this] { return m_standin->versionRequests() == 1; },
                                             10000, QStringLiteral("the update check")))
        return false;
    // The list file is made, empty, when the main window loads it.
    const QString list = QDir(folder).filePath(ListFileName);
    if (!expect(QFile::exists(list) && readAll(list).isEmpty(),
                QStringLiteral("no empty list file after the first start")))
        return false;

    // Two entries, each with the tick: every add refreshes the whole list.
    if (!lanternix->addEntry(QStringLiteral("10001"), QStringLiteral("同学"), true) ||
        !waitForStatusNumbers({QStringLiteral("10001")}) ||
        !lanternix->addEntry(QStringLiteral("54321"), QStringLiteral("表哥€"), true) ||
        !waitForStatusNumbers(
            {QStringLiteral("10001"), QStringLiteral("10001"), QStringLiteral("54321")}))
        return false;
    if (!expect(readAll(list).isEmpty(), QStringLiteral("the list file changed before the exit")))
        return false;

    if (!lanternix->quit(QStringLiteral("alt+n")) || !lanternix->waitForEnd())
        return false;
    const QByteArray expected = listFile(2, {{QStringLiteral("10001"), QStringLiteral("同学")},
                                             {QStringLiteral("54321"), QStringLiteral("表哥€")}});
    if (!expect(readAll(list) == expected,
                QStringLiteral("list file after the first run:\n%1")
                    .arg(QString::fromLatin1(readAll(list).toPercentEncoding("[]=\r\n")))))
        return false;
    m_firstRunDone = expect(browserCalls().isEmpty(), QStringLiteral("No opened a browser"));
    return m_firstRunDone;
}

void TestEndToEnd::firstRun()
{
    QVERIFY(m_firstRunFolder.isValid());
    STEP(runFirstRun(m_firstRunFolder.path()));
}

void TestEndToEnd::secondRun()
{
    if (!m_firstRunDone) {
        QVERIFY(m_firstRunFolder.isValid());
        STEP(runFirstRun(m_firstRunFolder.path()));
        m_standin.reset();
        QFile::remove(scratch(QStringLiteral("standin.log")));
    }
    const QString folder = m_firstRunFolder.path();
    const QString list = QDir(folder).filePath(ListFileName);
    const QByteArray firstList = readAll(list);
    STEP(startStandin({QStringLiteral("--online"), QStringLiteral("10001,20002")}));
    const auto lanternix = program(folder);
    STEP(lanternix->start());
    STEP(lanternix->passSplash());
    STEP(waitFor([this] { return m_standin->versionRequests() == 1; }, 10000,
                 QStringLiteral("the update check")));

    // The list is back; nothing is checked until asked.
    STEP(lanternix->openMenu());
    QCOMPARE(m_standin->statusNumbers(), QStringList());
    STEP(lanternix->choose(MenuLine::Refresh));
    STEP(waitForStatusNumbers({QStringLiteral("10001"), QStringLiteral("54321")}));

    // A new number for the first entry; its remark stays as the dialog filled it in. The edited
    // entry moves to the end, which the refresh's order shows.
    STEP(lanternix->editEntry(1, QStringLiteral("20002"), QString(), true));
    STEP(waitForStatusNumbers({QStringLiteral("10001"), QStringLiteral("54321"),
                               QStringLiteral("54321"), QStringLiteral("20002")}));
    // Now first: 54321, which goes.
    STEP(lanternix->deleteEntry(1, QStringLiteral("alt+y")));

    // Cancel keeps the program and writes nothing.
    STEP(lanternix->quit(QStringLiteral("Escape")));
    QVERIFY2(lanternix->isRunning(), "Cancel ended the program");
    QCOMPARE(readAll(list), firstList);

    // Yes: the forum, then the list, then the end.
    STEP(lanternix->quit(QStringLiteral("alt+y")));
    STEP(lanternix->waitForEnd());
    STEP(waitFor([this] { return !browserCalls().isEmpty(); }, 10000,
                 QStringLiteral("the browser to be asked for the forum")));
    QCOMPARE(browserCalls(), QStringList{forumAddress()});
    // One entry now; the second section stays behind from the longer list and is not read.
    QCOMPARE(readAll(list), listFile(1, {{QStringLiteral("20002"), QStringLiteral("同学")},
                                         {QStringLiteral("54321"), QStringLiteral("表哥€")}}));
}

void TestEndToEnd::updateCheckEnds_data()
{
    QTest::addColumn<QStringList>("standin"); // empty: no stand-in at all
    QTest::addColumn<bool>("forum");

    QTest::newRow("newer version")
        << QStringList{QStringLiteral("--version-text"), QStringLiteral("V2.3")} << true;
    QTest::newRow("lower-case v") << QStringList{QStringLiteral("--version-text"),
                                                 QStringLiteral("v2.2")}
                                  << true;
    QTest::newRow("line break after the version")
        << QStringList{QStringLiteral("--version-text"), QStringLiteral("V2.2\\r\\n")} << true;
    QTest::newRow("empty version file")
        << QStringList{QStringLiteral("--version-text"), QString()} << false;
    QTest::newRow("no stand-in") << QStringList() << false;
}

// Any answer but "V2.2" ends the program after one box: a newer version opens the forum, a
// failed check does not. Neither asks the farewell question nor touches the list file.
void TestEndToEnd::updateCheckEnds()
{
    QFETCH(QStringList, standin);
    QFETCH(bool, forum);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    STEP(ProgramDriver::installInto(folder.path()));
    const QString list = folder.filePath(ListFileName);
    const QByteArray stored = listFile(1, {{QStringLiteral("10001"), QStringLiteral("同学")}});
    STEP(writeFile(list, stored));
    if (standin.isEmpty()) {
        // Nobody may answer on the port, or the failure would not be the one under test.
        StandinRun probe(scratch(QStringLiteral("probe.log")));
        STEP(probe.start());
    } else {
        STEP(startStandin(standin));
    }

    const auto lanternix = program(folder.path());
    STEP(lanternix->start());
    STEP(lanternix->passSplash());
    STEP(lanternix->answerBox(QStringLiteral("Return")));
    STEP(lanternix->waitForEnd());
    if (forum) {
        STEP(waitFor([this] { return !browserCalls().isEmpty(); }, 10000,
                     QStringLiteral("the browser to be asked for the forum")));
        QCOMPARE(browserCalls(), QStringList{forumAddress()});
    } else {
        QCOMPARE(browserCalls(), QStringList());
    }
    if (m_standin)
        QCOMPARE(m_standin->statusNumbers(), QStringList());
    QCOMPARE(readAll(list), stored);
}

// A folder nobody may write to: the program still starts, shows and checks the stored list and
// ends on No without losing the file.
void TestEndToEnd::readOnlyFolder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    STEP(ProgramDriver::installInto(folder.path()));
    {
        // One start that stops at the splash leaves the runtime files, as any earlier use would.
        const auto deploying = program(folder.path());
        STEP(deploying->start());
        STEP(deploying->waitForSplash());
    }
    for (const QString& name : RuntimeFiles)
        QVERIFY2(QFile::exists(folder.filePath(name)), qPrintable(name));
    STEP(writeFile(folder.filePath(ListFileName),
                   listFile(2, {{QStringLiteral("20002"), QStringLiteral("老王")},
                                {QStringLiteral("30003"), QStringLiteral("小李")}})));
    const QMap<QString, QByteArray> before = snapshot(folder.path());
    STEP(startStandin({QStringLiteral("--online"), QStringLiteral("20002")}));

    ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.isReadOnly())
        QSKIP("the folder cannot be made read-only here (no bind mount)");
    {
        // Ended before the folder is unmounted, whatever happens in between.
        const auto lanternix = program(folder.path());
        STEP(lanternix->start());
        STEP(lanternix->passSplash());
        STEP(waitFor([this] { return m_standin->versionRequests() == 1; }, 10000,
                     QStringLiteral("the update check")));
        STEP(lanternix->openMenu());
        STEP(lanternix->choose(MenuLine::Refresh));
        STEP(waitForStatusNumbers({QStringLiteral("20002"), QStringLiteral("30003")}));
        STEP(lanternix->quit(QStringLiteral("alt+n")));
        STEP(lanternix->waitForEnd());
    }
    QVERIFY(snapshot(folder.path()) == before);
}

// Two copies from one folder: leaving one with No ends both, and the file holds the list of the
// one that was left.
void TestEndToEnd::twoCopies()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    STEP(ProgramDriver::installInto(folder.path()));
    const QString list = folder.filePath(ListFileName);
    STEP(writeFile(list, listFile(1, {{QStringLiteral("10001"), QStringLiteral("同学")}})));
    STEP(startStandin({QStringLiteral("--online"), QStringLiteral("10001")}));

    // Side by side, so that every click lands on the copy it is meant for.
    const auto first = program(folder.path());
    STEP(first->start());
    STEP(first->passSplash());
    STEP(first->moveMainWindow(QPoint(0, 0)));
    STEP(waitFor([this] { return m_standin->versionRequests() == 1; }, 10000,
                 QStringLiteral("the first copy's update check")));
    const auto second = program(folder.path());
    STEP(second->start());
    STEP(second->passSplash());
    STEP(second->moveMainWindow(QPoint(639, 350)));
    STEP(waitFor([this] { return m_standin->versionRequests() == 2; }, 10000,
                 QStringLiteral("the second copy's update check")));

    STEP(second->addEntry(QStringLiteral("30003"), QStringLiteral("小李"), false));
    STEP(first->addEntry(QStringLiteral("20002"), QStringLiteral("老王"), false));
    STEP(first->quit(QStringLiteral("alt+n")));
    STEP(first->waitForEnd());
    STEP(second->waitForEnd());
    QCOMPARE(second->exitStatus(), QProcess::CrashExit); // ended from outside, not by itself
    QCOMPARE(readAll(list), listFile(2, {{QStringLiteral("10001"), QStringLiteral("同学")},
                                         {QStringLiteral("20002"), QStringLiteral("老王")}}));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
