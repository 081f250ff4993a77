// The real program, started from a folder of its own on a private X screen, worked only from
// outside with xdotool, against lanternix-standin on the port the build's hosts point at.

#include "desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTest>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using MenuLine = Desktop::Program::MenuLine;
const QString ListFileName = u"QQlist.cfg"_s;

// The list file as the program writes it: CRLF lines, remarks in GB18030. Sections beyond the
// count are the ones an earlier, longer list left behind.
QByteArray listFile(int count, const QList<std::pair<QString, QString>>& sections)
{
    QStringEncoder gb18030("GB18030");
    QByteArray bytes = "[MEUserData]\r\nIncout=" + QByteArray::number(count) + "\r\n";
    for (qsizetype i = 0; i < sections.size(); ++i) {
        bytes += "[" + QByteArray::number(i + 1) + "]\r\nImis1=" + sections[i].first.toLatin1() +
                 "\r\nImis2=" + QByteArray(gb18030(sections[i].second)) + "\r\n";
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return expect(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                  u"cannot write %1"_s.arg(path));
}

const QStringList Forum = {u"http://127.0.0.1:%1/bbs"_s.arg(Desktop::port())};

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
    void twoCopies();

private:
    std::unique_ptr<Desktop> m_desktop;
    QTemporaryDir m_firstRunFolder; // the second run starts where the first one left off
    bool m_firstRunDone = false;
};

void TestEndToEnd::init()
{
    m_desktop = std::make_unique<Desktop>();
    QVERIFY(m_desktop->start());
}

void TestEndToEnd::cleanup()
{
    if (QTest::currentTestFailed()) {
        qInfo().noquote() << "stand-in saw:\n"
                          << m_desktop->standinLog() << "program said:\n"
                          << readAll(m_desktop->scratch(u"program.log"_s));
    }
    m_desktop.reset();
}

void TestEndToEnd::firstRun()
{
    const QString folder = m_firstRunFolder.path();
    STEP(m_desktop->startStandin({u"--online"_s, u"10001,20002"_s}));
    Desktop::Program lanternix(*m_desktop, folder);
    STEP(lanternix.start());
    for (const char* name : {"SkinH_VB6.dll", "skinh.she", "MSCOMCTL.OCX", "MSINET.OCX", "zeph.mp3",
                             "Image.ocx", "IniEnV.ocx"})
        QVERIFY2(QFileInfo(QDir(folder).filePath(QLatin1String(name))).size() > 0, name);
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->versionRequests(), 1, 10000);
    // The list file is made, empty, when the main window loads it.
    const QString list = QDir(folder).filePath(ListFileName);
    QVERIFY(QFileInfo::exists(list) && QFileInfo(list).size() == 0);

    // Two entries, each with the tick: every add refreshes the whole list.
    STEP(lanternix.addEntry(u"10001"_s, u"同学"_s, true));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s}));
    STEP(lanternix.addEntry(u"54321"_s, u"表哥€"_s, true));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s, u"10001"_s, u"54321"_s}));
    QCOMPARE(readAll(list), QByteArray()); // nothing is written before the exit

    STEP(lanternix.quit(u"alt+n"_s));
    STEP(lanternix.waitForEnd());
    QCOMPARE(readAll(list), listFile(2, {{u"10001"_s, u"同学"_s}, {u"54321"_s, u"表哥€"_s}}));
    QCOMPARE(m_desktop->browserCalls(), QStringList()); // No opens no forum
    m_firstRunDone = true;
}

void TestEndToEnd::secondRun()
{
    if (!m_firstRunDone) // run on its own: the first run makes the folder
        firstRun();
    if (QTest::currentTestFailed())
        return;
    const QString list = QDir(m_firstRunFolder.path()).filePath(ListFileName);
    const QByteArray firstList = readAll(list);
    STEP(m_desktop->startStandin({u"--online"_s, u"10001,20002"_s}));
    Desktop::Program lanternix(*m_desktop, m_firstRunFolder.path());
    STEP(lanternix.start());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->versionRequests(), 1, 10000);

    // The list is back; nothing is checked until asked.
    STEP(lanternix.openMenu());
    QCOMPARE(m_desktop->statusNumbers(), QStringList());
    STEP(lanternix.choose(MenuLine::Refresh));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s, u"54321"_s}));
    STEP(lanternix.openMenu(1));
    STEP(lanternix.choose(MenuLine::Delete));
    STEP(lanternix.answerBox(u"alt+y"_s));

    // Cancel keeps the program and writes nothing.
    STEP(lanternix.quit(u"Escape"_s));
    QVERIFY2(lanternix.isRunning(), "Cancel ended the program");
    QCOMPARE(readAll(list), firstList);

    // Yes: the forum, then the list, then the end.
    STEP(lanternix.quit(u"alt+y"_s));
    STEP(lanternix.waitForEnd());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->browserCalls(), Forum, 10000);
    // One entry now; the second section stays behind from the longer list and is not read.
    QCOMPARE(readAll(list), listFile(1, {{u"54321"_s, u"表哥€"_s}, {u"54321"_s, u"表哥€"_s}}));
}

void TestEndToEnd::updateCheckEnds_data()
{
    QTest::addColumn<QString>("version"); // null: nobody answers on the port
    QTest::addColumn<QStringList>("browser");

    QTest::newRow("newer version") << u"V2.3"_s << Forum;
    QTest::newRow("no stand-in") << QString() << QStringList();
}

// Any answer but "V2.2" ends the program after one box: a newer version opens the forum, a
// failed check does not. Neither asks the farewell question nor touches the list file.
void TestEndToEnd::updateCheckEnds()
{
    QFETCH(QString, version);
    QFETCH(QStringList, browser);

    QTemporaryDir folder;
    const QString list = folder.filePath(ListFileName);
    const QByteArray stored = listFile(1, {{u"10001"_s, u"同学"_s}});
    STEP(writeFile(list, stored));
    STEP(m_desktop->startStandin({u"--version-text"_s, version}));
    if (version.isNull()) // taking the port proved it free; now nobody answers there
        m_desktop->stopStandin();

    Desktop::Program lanternix(*m_desktop, folder.path());
    STEP(lanternix.start());
    STEP(lanternix.answerBox(u"Return"_s));
    STEP(lanternix.waitForEnd());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->browserCalls(), browser, 10000);
    QCOMPARE(m_desktop->statusNumbers(), QStringList());
    QCOMPARE(readAll(list), stored);
}

// Two copies from one folder: leaving one with No ends both, and the file holds the list of the
// one that was left.
void TestEndToEnd::twoCopies()
{
    QTemporaryDir folder;
    const QString list = folder.filePath(ListFileName);
    STEP(writeFile(list, listFile(1, {{u"10001"_s, u"同学"_s}})));
    STEP(m_desktop->startStandin({u"--online"_s, u"10001"_s}));

    // Side by side, so that every click lands on the copy it is meant for.
    Desktop::Program first(*m_desktop, folder.path());
    STEP(first.start());
    STEP(first.moveTo(QPoint(0, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->versionRequests(), 1, 10000);
    Desktop::Program second(*m_desktop, folder.path());
    STEP(second.start());
    STEP(second.moveTo(QPoint(639, 350)));
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->versionRequests(), 2, 10000);

    STEP(second.addEntry(u"30003"_s, u"小李"_s, false));
    STEP(first.addEntry(u"20002"_s, u"老王"_s, false));
    STEP(first.quit(u"alt+n"_s));
    STEP(first.waitForEnd());
    STEP(second.waitForEnd());
    QCOMPARE(second.exitStatus(), QProcess::CrashExit); // ended from outside, not by itself
    QCOMPARE(readAll(list), listFile(2, {{u"10001"_s, u"同学"_s}, {u"20002"_s, u"老王"_s}}));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
