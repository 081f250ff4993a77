#include "benchfigures.h"
#include "contacts/contactlistmodel.h"
#include "fakes.h"
#include "mainwindow/contactlistview.h"
#include "platform/statusbrowser.h"
#include "status/refreshcycle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

// The refresh against the stand-in program on loopback: wall time against the waits it must
// make, and the processor time it costs (the waiting must sleep, not spin).
namespace {

struct Standin
{
    QProcess process;
    QString host;

    explicit Standin(const QStringList& arguments)
    {
        process.start(QStringLiteral(LANTERNIX_STANDIN), QStringList{"--port", "0"} + arguments);
        process.waitForStarted();
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

void refresh(const QString& label, int delayMs, double perEntrySeconds)
{
    QStringList arguments{"--online", "10003,10010,10100"};
    if (delayMs)
        arguments << "--delay" << QString::number(delayMs);
    Standin standin(arguments);
    ContactListModel list;
    for (int i = 0; i < 300; ++i)
        list.append(QString::number(10000 + i), QStringLiteral("好友%1").arg(i));
    StatusBrowser browser;
    FakeMessageBoxes boxes;
    QString summary;
    RefreshCycle cycle(list, browser, boxes, [&](const QString& text) { summary = text; });
    cycle.setHosts(standin.host, standin.host);

    const double cpuStart = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    cycle.run(true);
    const double seconds = wall.elapsed() / 1000.0;
    const double cpu = processorSeconds() - cpuStart;
    const double allowed = 1.03 * 300 * perEntrySeconds;
    printFigure(label + QStringLiteral(": wall time"), seconds, allowed, "s");
    printFigure(label + QStringLiteral(": processor share"), 100.0 * cpu / seconds, 3, "%");
    if (!summary.contains(QStringLiteral("在线:3个,离线:297个")))
        QTextStream(stderr) << "unexpected summary: " << summary << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    refresh(QStringLiteral("refresh of 300, immediate answers"), 0, 0.1);
    refresh(QStringLiteral("refresh of 300, answers after 150 ms"), 150, 0.2);

    // Marking pass over the largest list, shown in the icon view.
    ContactListModel list;
    QVector<ContactEntry> entries;
    for (int i = 0; i < 32767; ++i)
        entries.append({QStringLiteral("好友%1").arg(i), QString::number(100000000 + i),
                        QStringLiteral("好友%1").arg(i)});
    list.appendEntries(entries);
    ContactListView view;
    view.setViewMode(QListView::IconMode);
    view.setResizeMode(QListView::Adjust);
    view.setGridSize(QSize(80, 72));
    view.resize(609, 377);
    view.setModel(&list);
    view.show();
    QCoreApplication::processEvents();
    QVector<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        list.markAllChecking();
        QCoreApplication::processEvents();
        runs << clock.nsecsElapsed() / 1e6;
        for (int position = 1; position <= list.count(); position += 1000)
            list.setResult(position, false);
    }
    printFigure(QStringLiteral("marking pass over 32767 entries (median of 5)"), median(runs), 300,
                "ms");
    return 0;
}
