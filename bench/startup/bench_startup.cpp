#include "app/programassembly.h"
#include "benchfigures.h"
#include "config/buildconfig.h"
#include "core/contacts/contactlistfile.h"
#include "core/contacts/profilestore.h"
#include "core/startup/runtimefiles.h"
#include "core/status/refreshcycle.h"
#include "core/status/responsivewait.h"
#include "fakes.h"
#include "gui/desktop/qtmediaplayer.h"
#include "gui/mainwindow/contactlistview.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/startup/splashscreen.h"
#include "platform/programfolder.h"
#include "standinserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

// Start-up figures: writing the runtime files, time to the splash's first paint, the memory the
// largest list takes, and how quiet the program is while it waits.
namespace {

// The main window checks for an update at the build's maker host: it opens here only where that
// host is on loopback, as in a build made by tools/lib.sh. 0 otherwise.
quint16 loopbackMakerPort()
{
    const QString host = QString::fromUtf8(BuildConfig::MakerHost);
    return host.startsWith(QLatin1String("127.0.0.1:")) ? host.section(u':', 1).toUShort() : 0;
}

QProcess* startChild(const QStringList& arguments)
{
    auto* child = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(environment);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

// Child mode: start as the program does and report the splash's first paint on stdout.
int firstPaintChild(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    auto* splash = new SplashScreen([] {});
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

// Child mode: the program opened on the folder with the largest list, every entry marked as
// being checked as a refresh does; prints the entries shown and the peak memory.
int bigListChild(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProgramFolder::setOverride(QString::fromLocal8Bit(argv[2]));
    FakeSystem system;
    const std::unique_ptr<MainWindow> window = ProgramAssembly::openMainWindow(system.services);
    auto& list = *qobject_cast<ContactListModel*>(window->findChild<ContactListView*>()->model());
    list.markAllChecking();
    waitResponsively(3000);
    QTextStream(stdout) << "ENTRIES " << list.count() << " PEAK " << peakMegabytes() << Qt::endl;
    return 0;
}

double bigListPeak()
{
    QTemporaryDir folder;
    RuntimeFiles::deploy(folder.path());
    ContactListModel list;
    const QString remarks = QStringLiteral("同学同事老王小李表哥朋友家人邻居");
    for (int i = 0; i < ContactListFile::MaxEntries; ++i)
        list.append(
            ContactEntry::made(QString::number(100000000 + i * 37), remarks.mid(i % 8, 2 + i % 7)));
    ContactListFile file(
        std::make_unique<ProfileStore>(folder.filePath(RuntimeFiles::ProfileModule)),
        folder.filePath(ContactListFile::FileName));
    file.load();
    if (!file.save(list).saved())
        return NotMeasured;

    const std::unique_ptr<QProcess> child(
        startChild({QStringLiteral("--big-list"), folder.path()}));
    child->waitForFinished(60000);
    const QList<QByteArray> words = child->readAllStandardOutput().trimmed().split(' ');
    if (words.size() < 4 || words.at(1).toInt() != ContactListFile::MaxEntries)
        return NotMeasured;
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

double firstPaintMedian()
{
    QVector<double> runs;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer clock;
        clock.start();
        const std::unique_ptr<QProcess> child(startChild({QStringLiteral("--first-paint")}));
        bool painted = false;
        while (!painted && child->waitForReadyRead(10000))
            painted = child->readAll().contains("PAINTED");
        runs << (painted ? clock.nsecsElapsed() / 1e6 : NotMeasured);
        child->waitForFinished(10000);
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
    const quint16 makerPort = loopbackMakerPort();
    if (!makerPort)
        QTextStream(stderr) << "the maker host " << BuildConfig::MakerHost
                            << " is not on loopback: the main window stays closed" << Qt::endl;

    printFigure(QStringLiteral("runtime files written at start (median of 20)"), deploymentMedian(),
                20, "ms");
    printFigure(QStringLiteral("process start to splash's first paint (median of 10)"),
                firstPaintMedian(), 300, "ms");
    printFigure(QStringLiteral("peak memory of the program with 32767 entries"),
                makerPort ? bigListPeak() : NotMeasured, 120, "MB");

    // The program as the splash hands over, its version current; idle is what comes after the
    // tune, which plays once, for 20 s.
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    RuntimeFiles::deploy(folder.path());
    StandinServer server;
    FakeSystem system;
    QtMediaPlayer media;
    Services services{system, system, system, media};
    std::unique_ptr<MainWindow> window;
    double idle = NotMeasured;
    if (makerPort && !server.listen(makerPort)) {
        QTextStream(stderr) << "port " << makerPort << " is taken: the main window stays closed"
                            << Qt::endl;
    } else if (makerPort) {
        window = ProgramAssembly::openMainWindow(services);
        waitResponsively(21000);
        if (window->findChild<ContactListView*>()->isEnabled()) {
            const double idleStart = processorSeconds();
            waitResponsively(10000);
            idle = processorSeconds() - idleStart;
        } else {
            QTextStream(stderr) << "the update check did not find the version current: "
                                << system.journal.join(QLatin1String(", ")) << Qt::endl;
        }
    }
    printFigure(QStringLiteral("processor time of the idle main window over 10 s"), idle, 0.05,
                "s");

    // A refresh's wait loop, in steps of its own length, for 5 s.
    const double waitStart = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 5000)
        waitResponsively(RefreshCycle::WaitStepMs);
    const double share = 100.0 * (processorSeconds() - waitStart) / (wall.elapsed() / 1000.0);
    printFigure(QStringLiteral("processor share of a waitResponsively(100) loop over 5 s"), share,
                2, "%");
    return idle == NotMeasured ? 1 : 0;
}
