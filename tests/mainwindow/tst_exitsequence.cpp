#include "config/addresses.h"
#include "config/buildconfig.h"
#include "platform/launcher.h"
#include "platform/programend.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The command lines the program hands to the system, and the end of every running copy.
class ExitSequenceTest final : public QObject
{
    Q_OBJECT
private slots:
    void commandLines_data();
    void commandLines();
    void linuxTranslation_data();
    void linuxTranslation();
    void endEveryCopyEndsCopiesOfThisFileOnly();
};

void ExitSequenceTest::commandLines_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const QString maker = QString::fromUtf8(BuildConfig::MakerHost);
    QTest::newRow("forum") << Addresses::forumCommand()
                           << QStringLiteral("explorer.exe http://") + maker +
                                  QStringLiteral("/bbs");
    QTest::newRow("kill") << Addresses::killCommand() << "taskkill /im Lanternix.exe /f";
}

void ExitSequenceTest::commandLines()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void ExitSequenceTest::linuxTranslation_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("program");
#ifdef Q_OS_WIN
    QTest::newRow("forum") << "explorer.exe http://x/bbs"
                           << QStringList("explorer.exe http://x/bbs");
#else
    QTest::newRow("forum") << "explorer.exe http://x/bbs"
                           << QStringList({"xdg-open", "http://x/bbs"});
    QTest::newRow("kill has no shell equivalent")
        << "taskkill /im Lanternix.exe /f" << QStringList();
#endif
}

void ExitSequenceTest::linuxTranslation()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, program);
    QCOMPARE(SystemLauncher::translate(commandLine), program);
}

void ExitSequenceTest::endEveryCopyEndsCopiesOfThisFileOnly()
{
#ifdef Q_OS_WIN
    QSKIP("ending every copy is the kill command there");
#else
    // Two copies of one program file and one of another: only the first file's copies end.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("copy"));
    const QString other = folder.filePath(QStringLiteral("other"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), other));
    QProcess sleeper;
    QProcess stranger;
    sleeper.start(program, {QStringLiteral("--sleep")});
    stranger.start(other, {QStringLiteral("--sleep")});
    QVERIFY(sleeper.waitForStarted());
    QVERIFY(stranger.waitForStarted());
    QVERIFY(sleeper.waitForReadyRead(5000));
    QVERIFY(stranger.waitForReadyRead(5000));
    QProcess ender;
    ender.start(program, {QStringLiteral("--end-every-copy")});
    QVERIFY(ender.waitForFinished(10000));
    QCOMPARE(ender.exitStatus(), QProcess::NormalExit);
    QVERIFY(sleeper.waitForFinished(10000));
    QCOMPARE(sleeper.exitStatus(), QProcess::CrashExit); // killed
    QCOMPARE(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
#endif
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.contains(QStringLiteral("--sleep"))) {
        QTextStream(stdout) << "ready" << Qt::endl;
        QThread::sleep(60);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--end-every-copy"))) {
        SystemLauncher launcher;
        SystemProgramEnd(launcher).endEveryCopy();
        return 3; // not reached
    }
    ExitSequenceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exitsequence.moc"
