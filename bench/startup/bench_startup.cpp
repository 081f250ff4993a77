#include "benchfigures.h"
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

    QApplication app(argc, argv);
    printFigure(QStringLiteral("runtime files written at start (median of 20)"), deploymentMedian(), 20, "ms");
    printFigure(QStringLiteral("process start to splash's first paint (median of 10)"),
                firstPaintMedian(QCoreApplication::applicationFilePath()), 300, "ms");

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
    Timeout(1.0); // let the music player settle
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
