#include "platform/programend.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Ending every copy ends the processes of this very program file and no other.
class TstProgramEnd final : public QObject
{
    Q_OBJECT
private slots:
    void endsCopiesOfThisFileOnly()
    {
        // Two files with the same bytes: copies of the first end, the second is another program.
        QTemporaryDir folder;
        const QString program = folder.filePath("copy");
        const QString other = folder.filePath("other");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), other));
        QProcess copy;
        QProcess stranger;
        for (auto [process, file] : {std::pair(&copy, program), std::pair(&stranger, other)}) {
            process->start(file, {"--sleep"});
            QVERIFY(process->waitForReadyRead(5000)); // running, not just started
        }
        QProcess ender;
        ender.start(program, {"--end-every-copy"});
        QVERIFY(ender.waitForFinished(10000));
        QCOMPARE(ender.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ender.exitCode(), 0);
        QVERIFY(copy.waitForFinished(10000));
        QCOMPARE(copy.exitStatus(), QProcess::CrashExit); // killed
        QCOMPARE(stranger.state(), QProcess::Running);
        stranger.kill();
        stranger.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains("--sleep")) {
        std::puts("ready");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    if (app.arguments().contains("--end-every-copy")) {
        SystemProgramEnd().endEveryCopy();
        return 3; // not reached
    }
    TstProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programend.moc"
