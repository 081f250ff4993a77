#include "benchfigures.h"
#include "contacts/contactlistfile.h"
#include "contacts/profilestore.h"
#include "fakes.h"
#include "mainwindow/form1.h"
#include "platform/programfolder.h"
#include "platform/qtmediaplayer.h"
#include "platform/widgetmessageboxes.h"
#include "standinserver.h"
#include "startup/form5.h"
#include "startup/runtimefiles.h"
#include "status/timeout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

// Start-up figures: writing the runtime files, time to the splash's first paint, and how quiet
// the program is while it waits.
namespace {

// Child mode: start as the program does and report the splash's first paint on stdout.
int firstPaintChild(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    auto* splash = new Form5([] {});
    struct PaintWatch final : QObject
    {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                QTextStream(stdout) << "PAINTED" << Qt::endl;
                QCoreApplication::exit(0);
            }
            return false;
        }
    } watch;
    splash->installEventFilter(&watch);
    splash->show();
    return app.exec();
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Child mode: the main window with the largest list, laid out and shown; prints the peak memory.
int bigListChild(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProgramFolder::setOverride(QString::fromLocal8Bit(argv[2]));
    FakeMessageBoxes boxes;
    FakeLauncher launcher;
    FakeProgramEnd end;
    FakeMedia media;
    Services services{boxes, launcher, end, media};
    Form1 window(services);
    window.Form_Load();
    window.show();
    window.list().markAllChecking();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTextStream(stdout) << "ENTRIES " << window.list().count() << " PEAK " << peakMegabytes()
                        << Qt::endl;
    return 0;
}

double bigListPeak(const QString& self)
{
    QTemporaryDir folder;
    RuntimeFiles::deploy(folder.path());
    ContactListModel list;
    QVector<ContactEntry> entries;
    const QString remarks = QStringLiteral("同学同事老王小李表哥朋友家人邻居");
    for (int i = 0; i < ContactListFile::MaxEntries; ++i) {
        const QString remark = remarks.mid(i % 8, 2 + i % 7);
        entries.append({remark, QString::number(100000000 + i * 37), remark});
    }
    list.appendEntries(entries);
    {
        ProfileStore store(folder.filePath(RuntimeFiles::ProfileModule));
        const QString file = folder.filePath(ContactListFile::FileName);
        ContactListModel empty;
        ContactListFile::load(store, file, empty);
        ContactListFile::save(store, list);
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(self, {QStringLiteral("--big-list"), folder.path()});
    child.waitForFinished(60000);
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() < 4 || words.at(1).toInt() != ContactListFile::MaxEntries)
        return -1;
    return words.at(3).toDouble();
}

double deploymentMedian()
{
    QTemporaryDir folder;
    QVector<double> runs;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer clock;
        clock.start();
        RuntimeFiles::deploy(folder.path());
        runs << clock.nsecsElapsed() / 1e6;
    }
    return median(runs);
}

double firstPaintMedian(const QString& self)
{
    QVector<double> runs;
    for (int run = 0; run < 10; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        child.start(self, {QStringLiteral("--first-paint")});
        while (child.waitForReadyRead(10000)) {
            if (child.readAll().contains("PAINTED"))
                break;
        }
        runs << clock.nsecsElapsed() / 1e6;
        child.waitForFinished(10000);
    }
    return median(runs);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--first-paint") == 0)
        return firstPaintChild(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--big-list") == 0)
        return bigListChild(argc, argv);

    QApplication app(argc, argv);
    printFigure(QStringLiteral("runtime files written at start (median of 20)"), deploymentMedian(),
                20, "ms");
    printFigure(QStringLiteral("process start to splash's first paint (median of 10)"),
                firstPaintMedian(QCoreApplication::applicationFilePath()), 300, "ms");

    printFigure(QStringLiteral("peak memory of the program with 32767 entries"),
                bigListPeak(QCoreApplication::applicationFilePath()), 120, "MB");

    // The main window after a current version, idle for 10 s.
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    RuntimeFiles::deploy(folder.path());
    StandinServer server;
    server.listen();
    FakeMessageBoxes boxes;
    FakeLauncher launcher;
    FakeProgramEnd end;
    QtMediaPlayer media;
    Services services{boxes, launcher, end, media};
    Form1 window(services);
    window.updateCheck().setVersionAddress(server.versionAddress());
    window.Form_Load();
    window.show();
    while (window.updateTimerActive())
        Timeout(0.1);
    Timeout(21.0); // the tune plays once, for 20 s; idle is what comes after
    const double idleStart = processorSeconds();
    Timeout(10.0);
    printFigure(QStringLiteral("processor time of the idle main window over 10 s"),
                processorSeconds() - idleStart, 0.05, "s");

    // A refresh-style wait loop for 5 s.
    const double waitStart = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 5000)
        Timeout(0.1);
    const double share = 100.0 * (processorSeconds() - waitStart) / (wall.elapsed() / 1000.0);
    printFigure(QStringLiteral("processor share of a Timeout(0.1) loop over 5 s"), share, 2, "%");
    return 0;
}
