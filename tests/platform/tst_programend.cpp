#include "config/addresses.h"
#include "config/buildconfig.h"
#include "platform/launcher.h"
#include "platform/programend.h"

#include <QCoreApplication>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
const bool Windows = QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
// Windows looks for a program named without its folder in the current folder too: programs of
// these names planted there must never run when the program opens the forum and ends.
const QStringList Planted = Windows ? QStringList{"explorer.exe", "taskkill.exe"} : QStringList();
} // namespace

// Ending every copy ends the processes of this program and no other. On Linux a copy is a
// process of this very file and of this user; Windows knows the program by its file name, as its
// kill command does, so a program file of that name elsewhere is a copy there too.
class TstProgramEnd final : public QObject
{
    Q_OBJECT
private slots:
    void endsCopiesOnly_data()
    {
        QTest::addColumn<QString>("file"); // what the other process runs, beside the ender's
        QTest::addColumn<bool>("ends");
        QTest::newRow("the same file") << "here/PROGRAM" << true;
        QTest::newRow("a file of the same name elsewhere") << "elsewhere/PROGRAM" << Windows;
        QTest::newRow("another program") << "here/other" << false;
    }
    void endsCopiesOnly()
    {
        QFETCH(QString, file);
        QFETCH(bool, ends);
        const QString self = QCoreApplication::applicationFilePath();
        const QString name =
            BuildConfig::ExecutableName + QString(self.endsWith(".exe") ? ".exe" : "");
        QTemporaryDir folder;
        const QString program = folder.filePath("here/" + name);
        const QString other = folder.filePath(file.replace("PROGRAM", name));
        QVERIFY(QDir().mkpath(folder.filePath("here")) &&
                QDir().mkpath(folder.filePath("elsewhere")));
        for (const QString& planted : Planted)
            QVERIFY(QFile::copy(self, folder.filePath("elsewhere/" + planted)));
        QVERIFY(QFile::copy(self, program));
        QVERIFY(other == program || QFile::copy(self, other));
        QProcess running;
        running.start(other, {"--sleep"});
        QVERIFY(running.waitForStarted());

        QProcess ender;
        ender.setWorkingDirectory(folder.filePath("elsewhere"));
        ender.start(program, {"--end-every-copy"});
        QVERIFY(ender.waitForFinished(10000));
        QCOMPARE(running.waitForFinished(ends ? 10000 : 1000), ends);
        running.kill();
        running.waitForFinished();
        QVERIFY2(!QFile::exists(folder.filePath("elsewhere/planted-ran")), "a planted program ran");
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (Planted.contains(QFileInfo(app.applicationFilePath()).fileName()))
        return QFile(app.applicationDirPath() + "/planted-ran").open(QIODevice::WriteOnly) ? 0 : 1;
    if (app.arguments().contains("--sleep")) {
        QThread::sleep(60);
        return 0;
    }
    if (app.arguments().contains("--end-every-copy")) {
        // As leaving with Yes does. Linux's opener would reach a real browser, and there is
        // nothing planted to catch.
        if (Windows)
            SystemLauncher().openWebAddress(Addresses::forum());
        SystemProgramEnd().endEveryCopy();
        return 3; // not reached
    }
    TstProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programend.moc"
