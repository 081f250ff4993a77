#include "platform/modules.h"
#include "readonlyfolder.h"
#include "startup/runtimefiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

class RuntimeFilesTest final : public QObject
{
    Q_OBJECT
private slots:
    void freshFolderHoldsTheSevenFiles_data();
    void freshFolderHoldsTheSevenFiles();
    void secondStartRewritesIdentically();
    void longerOldFileEndsUpExact();
    void readOnlyFolderWritesNothing();
    void directoryInPlaceOfOneFileSkipsOnlyThatRow();
    void mappedModuleSurvivesRedeployment();
};

void RuntimeFilesTest::freshFolderHoldsTheSevenFiles_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("skin module") << 122 << "SkinH_VB6.dll";
    QTest::newRow("skin") << 111 << "skinh.she";
    QTest::newRow("common controls") << 126 << "MSCOMCTL.OCX";
    QTest::newRow("transfer") << 127 << "MSINET.OCX";
    QTest::newRow("music") << 133 << "zeph.mp3";
    QTest::newRow("pictures") << 134 << "Image.ocx";
    QTest::newRow("profile store") << 135 << "IniEnV.ocx";
}

void RuntimeFilesTest::freshFolderHoldsTheSevenFiles()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QTemporaryDir folder;
    QCOMPARE(RuntimeFiles::deploy(folder.path()), 7);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 7);
    const QByteArray carried = RuntimeFiles::resource(number);
    QVERIFY2(carried.size() > 100, "every runtime file carries real content");
    QCOMPARE(read(folder.filePath(name)), carried);
}

void RuntimeFilesTest::secondStartRewritesIdentically()
{
    QTemporaryDir folder;
    RuntimeFiles::deploy(folder.path());
    QHash<QString, QByteArray> first;
    for (const SplashFile& row : RuntimeFiles::table())
        first.insert(row.fileName, read(folder.filePath(row.fileName)));
    QCOMPARE(RuntimeFiles::deploy(folder.path()), 7);
    for (const SplashFile& row : RuntimeFiles::table())
        QCOMPARE(read(folder.filePath(row.fileName)), first.value(row.fileName));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 7);
}

void RuntimeFilesTest::longerOldFileEndsUpExact()
{
    QTemporaryDir folder;
    const QString sheet = folder.filePath(QStringLiteral("skinh.she"));
    QFile old(sheet);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(RuntimeFiles::resource(111).size() * 3, 'x'));
    old.close();
    RuntimeFiles::deploy(folder.path());
    QCOMPARE(read(sheet), RuntimeFiles::resource(111));
}

void RuntimeFilesTest::readOnlyFolderWritesNothing()
{
    QTemporaryDir folder;
    ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.isReadOnly())
        QSKIP("this system cannot make a folder read-only for the test");
    QCOMPARE(RuntimeFiles::deploy(folder.path()), 0);
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void RuntimeFilesTest::directoryInPlaceOfOneFileSkipsOnlyThatRow()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("MSINET.OCX")));
    QCOMPARE(RuntimeFiles::deploy(folder.path()), 6);
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("MSINET.OCX"))).isDir());
    QCOMPARE(read(folder.filePath(QStringLiteral("MSCOMCTL.OCX"))), RuntimeFiles::resource(126));
    QCOMPARE(read(folder.filePath(QStringLiteral("zeph.mp3"))), RuntimeFiles::resource(133));
    // No temporary file is left behind by the failed row.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
}

void RuntimeFilesTest::mappedModuleSurvivesRedeployment()
{
    // A running copy has the skin module mapped while a second start writes the folder again.
    QTemporaryDir folder;
    RuntimeFiles::deploy(folder.path());
    const QString sheet = folder.filePath(QStringLiteral("skinh.she"));
    Module skin(folder.filePath(QStringLiteral("SkinH_VB6.dll")));
    QVERIFY(skin.isLoaded());
    using AttachEx = int (*)(const char*, const char*);
    const auto attach = skin.resolve<AttachEx>("SkinH_AttachEx");
    QVERIFY(attach);
    QCOMPARE(attach(sheet.toLocal8Bit().constData(), ""), 0);
    for (int start = 0; start < 3; ++start)
        QCOMPARE(RuntimeFiles::deploy(folder.path()), 7);
    qApp->setStyleSheet(QString());
    QCOMPARE(attach(sheet.toLocal8Bit().constData(), ""), 0);
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(read(sheet)));
}

QTEST_MAIN(RuntimeFilesTest)
#include "tst_runtimefiles.moc"
