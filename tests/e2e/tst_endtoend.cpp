// The real program, started from a folder of its own on a private X screen, worked only from
// outside with xdotool, against lanternix-standin on the port the build's hosts point at.

#include "desktop.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString VersionRequest = u"/jc.txt\n"_s; // as the stand-in's log ends its line
const QString StatusRequest = u" /pa?p="_s;
const QStringList Forum = {u"http://" LANTERNIX_MAKER_HOST "/bbs"_s};

// The list file as the program writes it: CRLF lines, remarks in GB18030. Sections beyond the
// count are the ones an earlier, longer list left behind.
QByteArray listFile(int count, const QList<QPair<QString, QString>>& sections)
{
    QStringEncoder gb18030("GB18030");
    QByteArray bytes = "[MEUserData]\r\nIncout=" + QByteArray::number(count) + "\r\n";
    for (qsizetype i = 0; i < sections.size(); ++i) {
        bytes += "[" + QByteArray::number(i + 1) + "]\r\nImis1=" + sections[i].first.toLatin1() +
                 "\r\nImis2=" + QByteArray(gb18030(sections[i].second)) + "\r\n";
    }
    return bytes;
}

} // namespace

class TestEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_desktop.emplace();
        QVERIFY(m_desktop->start());
    }
    void cleanup()
    {
        if (QTest::currentTestFailed())
            qInfo().noquote() << "stand-in saw:\n"
                              << m_desktop->standinLog() << "program said:\n"
                              << readAll(m_desktop->scratch(u"program.log"_s));
        m_desktop.reset();
    }
    void firstRun();
    void secondRun();
    void updateCheckEnds_data();
    void updateCheckEnds();
    void twoCopies();

private:
    std::optional<Desktop> m_desktop;
    QTemporaryDir m_firstRunFolder;
    QString m_list = m_firstRunFolder.filePath(u"QQlist.cfg"_s);
};

void TestEndToEnd::firstRun()
{
    STEP(m_desktop->startStandin({u"--online"_s, u"10001,20002"_s}));
    Desktop::Program lanternix(*m_desktop, m_firstRunFolder.path());
    STEP(lanternix.start());
    for (const char* name : {"SkinH_VB6.dll", "skinh.she", "MSCOMCTL.OCX", "MSINET.OCX", "zeph.mp3",
                             "Image.ocx", "IniEnV.ocx"})
        QVERIFY2(QFileInfo(m_firstRunFolder.filePath(QLatin1String(name))).size() > 0, name);
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->standinLog().count(VersionRequest), 1, 10000);
    // The list file is made, empty, when the main window loads it.
    QVERIFY(QFileInfo::exists(m_list) && QFileInfo(m_list).size() == 0);

    // Two entries, each with the tick: every add refreshes the whole list.
    STEP(lanternix.addEntry(u"10001"_s, u"同学"_s, true));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s}));
    STEP(lanternix.addEntry(u"54321"_s, u"表哥€"_s, true));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s, u"10001"_s, u"54321"_s}));
    QCOMPARE(readAll(m_list), QByteArray()); // nothing is written before the exit

    STEP(lanternix.quit(u"alt+n"_s) && lanternix.waitForEnd());
    QCOMPARE(readAll(m_list), listFile(2, {{u"10001"_s, u"同学"_s}, {u"54321"_s, u"表哥€"_s}}));
    QCOMPARE(m_desktop->browserCalls(), QStringList()); // No opens no forum
}

void TestEndToEnd::secondRun()
{
    QVERIFY2(QFile::exists(m_list), "the second run starts where the first one left off");
    const QByteArray firstList = readAll(m_list);
    STEP(m_desktop->startStandin({u"--online"_s, u"10001,20002"_s}));
    Desktop::Program lanternix(*m_desktop, m_firstRunFolder.path());
    STEP(lanternix.start());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->standinLog().count(VersionRequest), 1, 10000);

    // The list is back; nothing is checked until asked.
    STEP(lanternix.openMenu());
    QVERIFY(!m_desktop->standinLog().contains(StatusRequest));
    STEP(lanternix.choose(Desktop::Program::MenuLine::Refresh));
    STEP(m_desktop->waitForStatusNumbers({u"10001"_s, u"54321"_s}));
    STEP(lanternix.openMenu(true) && lanternix.choose(Desktop::Program::MenuLine::Delete) &&
         lanternix.answerBox(u"alt+y"_s));

    // Cancel keeps the program and writes nothing.
    STEP(lanternix.quit(u"Escape"_s));
    QVERIFY2(lanternix.isRunning(), "Cancel ended the program");
    QCOMPARE(readAll(m_list), firstList);

    // Yes: the forum, then the list, then the end.
    STEP(lanternix.quit(u"alt+y"_s) && lanternix.waitForEnd());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->browserCalls(), Forum, 10000);
    // One entry now; the second section stays behind from the longer list and is not read.
    QCOMPARE(readAll(m_list), listFile(1, {{u"54321"_s, u"表哥€"_s}, {u"54321"_s, u"表哥€"_s}}));
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
    const QTemporaryDir folder;
    const QByteArray stored = listFile(1, {{u"10001"_s, u"同学"_s}});
    QFile list(folder.filePath(u"QQlist.cfg"_s));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(stored) == stored.size() && list.flush());
    STEP(m_desktop->startStandin({u"--version-text"_s, version}));
    if (version.isNull()) // taking the port proved it free; now nobody answers there
        m_desktop->stopStandin();

    Desktop::Program lanternix(*m_desktop, folder.path());
    STEP(lanternix.start() && lanternix.answerBox(u"Return"_s) && lanternix.waitForEnd());
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->browserCalls(), browser, 10000);
    QVERIFY(!m_desktop->standinLog().contains(StatusRequest));
    QCOMPARE(readAll(list.fileName()), stored);
}

// Two copies from one folder: leaving one with No ends both, and the file holds the list of the
// one that was left.
void TestEndToEnd::twoCopies()
{
    const QTemporaryDir folder;
    const QByteArray stored = listFile(1, {{u"10001"_s, u"同学"_s}});
    QFile list(folder.filePath(u"QQlist.cfg"_s));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(stored) == stored.size() && list.flush());
    STEP(m_desktop->startStandin({u"--online"_s, u"10001"_s}));

    // Side by side, so that every click lands on the copy it is meant for.
    Desktop::Program first(*m_desktop, folder.path());
    STEP(first.start() && first.moveTo(QPoint(0, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->standinLog().count(VersionRequest), 1, 10000);
    Desktop::Program second(*m_desktop, folder.path());
    STEP(second.start() && second.moveTo(QPoint(639, 350)));
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->standinLog().count(VersionRequest), 2, 10000);

    STEP(second.addEntry(u"30003"_s, u"小李"_s, false));
    STEP(first.addEntry(u"20002"_s, u"老王"_s, false));
    STEP(first.quit(u"alt+n"_s) && first.waitForEnd() && second.waitForEnd());
    QCOMPARE(second.exitStatus(), QProcess::CrashExit); // ended from outside, not by itself
    QCOMPARE(readAll(list.fileName()),
             listFile(2, {{u"10001"_s, u"同学"_s}, {u"20002"_s, u"老王"_s}}));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
