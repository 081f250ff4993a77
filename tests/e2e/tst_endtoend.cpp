// The real program, started from a folder of its own on a private X screen, worked only from
// outside with xdotool, against lanternix-standin on the port the build's hosts point at.

#include "desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTest>

#include <memory>

namespace {

using MenuLine = Desktop::Program::MenuLine;
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
        bytes += "[" + QByteArray::number(i + 1) + "]\r\nImis1=" + sections[i].number.toLatin1() +
                 "\r\nImis2=" + QByteArray(gb18030(sections[i].remark)) + "\r\n";
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

QStringList forum()
{
    return {QStringLiteral("http://127.0.0.1:%1/bbs").arg(Desktop::port())};
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
    void twoCopies();

private:
    [[nodiscard]] bool updateCheckPassed(int copies = 1);

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
        qInfo().noquote() << "stand-in saw:" << m_desktop->requests().join(QLatin1Char(' '))
                          << "\nprogram said:\n"
                          << readAll(m_desktop->scratch(QStringLiteral("program.log")));
    }
    m_desktop.reset();
}

bool TestEndToEnd::updateCheckPassed(int copies)
{
    return waitFor([&] { return m_desktop->versionRequests() == copies; }, 10000,
                   QStringLiteral("update check %1").arg(copies));
}

void TestEndToEnd::firstRun()
{
    const QString folder = m_firstRunFolder.path();
    QVERIFY(m_firstRunFolder.isValid());
    STEP(Desktop::Program::installInto(folder));
    STEP(m_desktop->startStandin({QStringLiteral("--online"), QStringLiteral("10001,20002")}));
    Desktop::Program lanternix(*m_desktop, folder);
    STEP(lanternix.start());
    STEP(lanternix.waitForSplash());
    for (const char* name : {"SkinH_VB6.dll", "skinh.she", "MSCOMCTL.OCX", "MSINET.OCX", "zeph.mp3",
                             "Image.ocx", "IniEnV.ocx"})
        QVERIFY2(QFileInfo(QDir(folder).filePath(QLatin1String(name))).size() > 0, name);
    STEP(lanternix.passSplash());
    STEP(updateCheckPassed());
    // The list file is made, empty, when the main window loads it.
    const QString list = QDir(folder).filePath(ListFileName);
    QVERIFY(QFile::exists(list));
    QCOMPARE(readAll(list), QByteArray());

    // Two entries, each with the tick: every add refreshes the whole list.
    STEP(lanternix.addEntry(QStringLiteral("10001"), QStringLiteral("同学"), true));
    STEP(m_desktop->waitForStatusNumbers({QStringLiteral("10001")}));
    STEP(lanternix.addEntry(QStringLiteral("54321"), QStringLiteral("表哥€"), true));
    STEP(m_desktop->waitForStatusNumbers(
        {QStringLiteral("10001"), QStringLiteral("10001"), QStringLiteral("54321")}));
    QCOMPARE(readAll(list), QByteArray()); // nothing is written before the exit

    STEP(lanternix.quit(QStringLiteral("alt+n")));
    STEP(lanternix.waitForEnd());
    QCOMPARE(readAll(list), listFile(2, {{QStringLiteral("10001"), QStringLiteral("同学")},
                                         {QStringLiteral("54321"), QStringLiteral("表哥€")}}));
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
    STEP(m_desktop->startStandin({QStringLiteral("--online"), QStringLiteral("10001,20002")}));
    Desktop::Program lanternix(*m_desktop, m_firstRunFolder.path());
    STEP(lanternix.start());
    STEP(lanternix.passSplash());
    STEP(updateCheckPassed());

    // The list is back; nothing is checked until asked.
    STEP(lanternix.openMenu());
    QCOMPARE(m_desktop->statusNumbers(), QStringList());
    STEP(lanternix.choose(MenuLine::Refresh));
    STEP(m_desktop->waitForStatusNumbers({QStringLiteral("10001"), QStringLiteral("54321")}));
    STEP(lanternix.deleteEntry(1, QStringLiteral("alt+y")));

    // Cancel keeps the program and writes nothing.
    STEP(lanternix.quit(QStringLiteral("Escape")));
    QVERIFY2(lanternix.isRunning(), "Cancel ended the program");
    QCOMPARE(readAll(list), firstList);

    // Yes: the forum, then the list, then the end.
    STEP(lanternix.quit(QStringLiteral("alt+y")));
    STEP(lanternix.waitForEnd());
    STEP(waitFor([this] { return !m_desktop->browserCalls().isEmpty(); }, 10000,
                 QStringLiteral("the browser to be asked for the forum")));
    QCOMPARE(m_desktop->browserCalls(), forum());
    // One entry now; the second section stays behind from the longer list and is not read.
    QCOMPARE(readAll(list), listFile(1, {{QStringLiteral("54321"), QStringLiteral("表哥€")},
                                         {QStringLiteral("54321"), QStringLiteral("表哥€")}}));
}

void TestEndToEnd::updateCheckEnds_data()
{
    QTest::addColumn<QString>("version"); // null: nobody answers on the port
    QTest::addColumn<QStringList>("browser");

    QTest::newRow("newer version") << QStringLiteral("V2.3") << forum();
    QTest::newRow("no stand-in") << QString() << QStringList();
}

// Any answer but "V2.2" ends the program after one box: a newer version opens the forum, a
// failed check does not. Neither asks the farewell question nor touches the list file.
void TestEndToEnd::updateCheckEnds()
{
    QFETCH(QString, version);
    QFETCH(QStringList, browser);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    STEP(Desktop::Program::installInto(folder.path()));
    const QString list = folder.filePath(ListFileName);
    const QByteArray stored = listFile(1, {{QStringLiteral("10001"), QStringLiteral("同学")}});
    STEP(writeFile(list, stored));
    STEP(m_desktop->startStandin({QStringLiteral("--version-text"), version}));
    if (version.isNull()) // taking the port proved it free; now nobody answers there
        m_desktop->stopStandin();

    Desktop::Program lanternix(*m_desktop, folder.path());
    STEP(lanternix.start());
    STEP(lanternix.passSplash());
    STEP(lanternix.answerBox(QStringLiteral("Return")));
    STEP(lanternix.waitForEnd());
    if (!browser.isEmpty()) {
        STEP(waitFor([this] { return !m_desktop->browserCalls().isEmpty(); }, 10000,
                     QStringLiteral("the browser to be asked for the forum")));
    }
    QCOMPARE(m_desktop->browserCalls(), browser);
    QCOMPARE(m_desktop->statusNumbers(), QStringList());
    QCOMPARE(readAll(list), stored);
}

// Two copies from one folder: leaving one with No ends both, and the file holds the list of the
// one that was left.
void TestEndToEnd::twoCopies()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    STEP(Desktop::Program::installInto(folder.path()));
    const QString list = folder.filePath(ListFileName);
    STEP(writeFile(list, listFile(1, {{QStringLiteral("10001"), QStringLiteral("同学")}})));
    STEP(m_desktop->startStandin({QStringLiteral("--online"), QStringLiteral("10001")}));

    // Side by side, so that every click lands on the copy it is meant for.
    Desktop::Program first(*m_desktop, folder.path());
    STEP(first.start());
    STEP(first.passSplash());
    STEP(first.moveTo(QPoint(0, 0)));
    STEP(updateCheckPassed(1));
    Desktop::Program second(*m_desktop, folder.path());
    STEP(second.start());
    STEP(second.passSplash());
    STEP(second.moveTo(QPoint(639, 350)));
    STEP(updateCheckPassed(2));

    STEP(second.addEntry(QStringLiteral("30003"), QStringLiteral("小李"), false));
    STEP(first.addEntry(QStringLiteral("20002"), QStringLiteral("老王"), false));
    STEP(first.quit(QStringLiteral("alt+n")));
    STEP(first.waitForEnd());
    STEP(second.waitForEnd());
    QCOMPARE(second.exitStatus(), QProcess::CrashExit); // ended from outside, not by itself
    QCOMPARE(readAll(list), listFile(2, {{QStringLiteral("10001"), QStringLiteral("同学")},
                                         {QStringLiteral("20002"), QStringLiteral("老王")}}));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
