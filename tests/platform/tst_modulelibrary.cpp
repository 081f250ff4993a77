// Modules load from exactly their file in the program folder, or not at all.

#include "folders.h"
#include "platform/modulelibrary.h"

#include <QTemporaryDir>
#include <QTest>

class TstModuleLibrary final : public QObject
{
    Q_OBJECT
private slots:
    void loadsExactlyItsFile_data()
    {
        QTest::addColumn<QString>("module"); // what stands under the module's name
        QTest::addColumn<int>("version");    // what its version call answers; 0: not loaded
        QTest::newRow("the module, planted ones around") << "module" << 2;
        QTest::newRow("nothing, planted ones around") << "nothing" << 0;
        QTest::newRow("bytes that are no library") << "junk" << 0;
    }
    void loadsExactlyItsFile()
    {
        QFETCH(QString, module);
        QFETCH(int, version);
        QTemporaryDir folder;
        const QString file = folder.filePath("IniEnV.ocx");
        if (module == "module")
            QVERIFY(QFile::copy(PROFILE_MODULE, file));
        if (module == "junk")
            QVERIFY(writeFile(file, QByteArray(4096, '\x7f')));
        for (const char* subfolder :
             {"haswell", "x86_64", "tls", "glibc-hwcaps/x86-64-v3", "current", "path"}) {
            QVERIFY(QDir(folder.path()).mkpath(subfolder));
            QVERIFY(QFile::copy(PLANTED_MODULE, folder.filePath(subfolder) + "/IniEnV.ocx"));
        }
        const QString mark = folder.filePath("planted-ran");
        qputenv("PLANTED_MARK", mark.toLocal8Bit());
        const QString before = QDir::currentPath();
        const QByteArray path = qgetenv("PATH");
        QDir::setCurrent(folder.filePath("current"));
        qputenv("PATH", QDir::toNativeSeparators(folder.filePath("path")).toLocal8Bit() +
                            QDir::listSeparator().toLatin1() + path);

        const ModuleLibrary library(file);
        QDir::setCurrent(before);
        qputenv("PATH", path);
        const auto call = library.resolve<int (*)()>("profile_store_abi_version");
        QCOMPARE(call ? call() : 0, version);
        QCOMPARE(library.errorString().isEmpty(), version != 0);
        QVERIFY2(!QFile::exists(mark), "the planted library ran");
    }
};

QTEST_GUILESS_MAIN(TstModuleLibrary)
#include "tst_modulelibrary.moc"
