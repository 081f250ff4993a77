#include "benchfigures.h"
#include "core/contacts/contactlistmodel.h"
#include "core/status/refreshcycle.h"
#include "fakes.h"
#include "gui/mainwindow/contactlistview.h"
#include "gui/mainwindow/mainwindow.h"
#include "platform/networkstatusbrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

// The refresh against the stand-in program on loopback: wall time against the waits it must
// make, and the processor time it costs (the waiting must sleep, not spin). Then the marking
// pass a refresh starts with, over the largest list in the main window's icon view.
namespace {

struct Standin
{
    QProcess process;
    QString host; // empty when the stand-in did not come up

    explicit Standin(const QStringList& arguments)
    {
        process.start(QStringLiteral(LANTERNIX_STANDIN), QStringList{"--port", "0"} + arguments);
        while (host.isEmpty() && process.waitForReadyRead(10000)) {
            for (const QByteArray& line : process.readAll().split('\n'))
                if (line.startsWith("PORT "))
                    host =
                        QStringLiteral("127.0.0.1:") + QString::fromLatin1(line.mid(5).trimmed());
        }
    }
    ~Standin()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
};

// Returns false when the refresh could not be measured.
bool refresh(const QString& label, int delayMs, double perEntrySeconds)
{
    const QString wallFigure = label + QStringLiteral(": wall time");
    const QString shareFigure = label + QStringLiteral(": processor share");
    const double allowed = 1.03 * 300 * perEntrySeconds;
    QStringList arguments{"--online", "10003,10010,10100"};
    if (delayMs)
        arguments << "--delay" << QString::number(delayMs);
    Standin standin(arguments);
    if (standin.host.isEmpty()) {
        QTextStream(stderr) << "the stand-in did not start: " << LANTERNIX_STANDIN << Qt::endl;
        printFigure(wallFigure, NotMeasured, allowed, "s");
        printFigure(shareFigure, NotMeasured, 3, "%");
        return false;
    }

    ContactListModel list;
    for (int i = 0; i < 300; ++i)
        list.append(
            ContactEntry::made(QString::number(10000 + i), QStringLiteral("好友%1").arg(i)));
    NetworkStatusBrowser browser;
    RefreshCycle cycle(list, browser);
    cycle.setHosts(standin.host, standin.host);
    QString summary;
    QObject::connect(&cycle, &RefreshCycle::finished, [&summary](int all, int on, int off) {
        summary = QStringLiteral("%1 entries, %2 online, %3 offline").arg(all).arg(on).arg(off);
    });

    const double cpuStart = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    cycle.run(RefreshCycle::Announce::Yes);
    const double seconds = wall.elapsed() / 1000.0;
    const double cpu = processorSeconds() - cpuStart;
    printFigure(wallFigure, seconds, allowed, "s");
    printFigure(shareFigure, 100.0 * cpu / seconds, 3, "%");
    if (summary == QStringLiteral("300 entries, 3 online, 297 offline"))
        return true;
    QTextStream(stderr) << "unexpected summary: " << summary << Qt::endl;
    return false;
}

// The marking pass as the user sees it: the main window's own list view, laid out and painted.
double markingPassMedian()
{
    MainWindow::Equipment equipment;
    for (int i = 0; i < 32767; ++i)
        equipment.entries.append(
            ContactEntry::made(QString::number(100000000 + i), QStringLiteral("好友%1").arg(i)));
    auto* transfer = new FakeTransfer;
    equipment.transfer.reset(transfer);
    equipment.statusBrowser = std::make_unique<FakeStatusBrowser>();
    FakeSystem system;
    MainWindow window(system.services, std::move(equipment));
    window.show();
    // The update check one second after opening enables the list; the passes come after it.
    while (transfer->answered == 0)
        waitResponsively(RefreshCycle::WaitStepMs);
    auto* list = qobject_cast<ContactListModel*>(window.findChild<ContactListView*>()->model());

    QVector<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        list->markAllChecking();
        QCoreApplication::processEvents();
        runs << clock.nsecsElapsed() / 1e6;
        for (int row = 0; row < list->count(); row += 1000)
            list->setResult(row, false);
        QCoreApplication::processEvents();
    }
    return median(runs);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bool measured = refresh(QStringLiteral("refresh of 300, immediate answers"), 0, 0.1);
    measured &= refresh(QStringLiteral("refresh of 300, answers after 150 ms"), 150, 0.2);
    printFigure(QStringLiteral("marking pass over 32767 entries (median of 5)"),
                markingPassMedian(), 300, "ms");
    return measured ? 0 : 1;
}
