// The runtime files written into the program folder at start.

#include "core/startup/runtimefiles.h"
#include "folders.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray carried(const RuntimeFiles::Row& row)
{
    return readFile(QStringLiteral(":/CUSTOM/%1").arg(row.resourceNumber));
}
} // namespace

class TstRuntimeFiles final : public QObject
{
    Q_OBJECT
private slots:
    // Every start writes every file whole, over a longer old one too.
    void writesEveryFile()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(RuntimeFiles::Music), QByteArray(4 << 20, 'x')));
        QCOMPARE(RuntimeFiles::deploy(folder.path()), 7);
        for (const RuntimeFiles::Row& row : RuntimeFiles::table()) {
            QVERIFY2(carried(row).size() > 0, qPrintable(row.fileName));
            QCOMPARE(readFile(folder.filePath(row.fileName)), carried(row));
        }
    }

    // A link of a runtime file's name is replaced by the file, and what it points to stays as it
    // was; a folder in the way stays too, and only that one file is missing.
    void replacesNamesNotTargets()
    {
        QTemporaryDir folder;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("precious");
        QVERIFY(writeFile(target, "keep me"));
        QVERIFY(QFile::link(target, folder.filePath(RuntimeFiles::SkinSheet)));
        QVERIFY(QDir(folder.path()).mkdir(RuntimeFiles::Music));
        QCOMPARE(RuntimeFiles::deploy(folder.path()), 6);
        QCOMPARE(readFile(target), QByteArray("keep me"));
        const QFileInfo sheet(folder.filePath(RuntimeFiles::SkinSheet));
        QVERIFY(!sheet.isSymLink());
        QCOMPARE(readFile(sheet.filePath()), carried(RuntimeFiles::table().at(1)));
        QVERIFY(QFileInfo(folder.filePath(RuntimeFiles::Music)).isDir());
    }
};

QTEST_GUILESS_MAIN(TstRuntimeFiles)
#include "tst_runtimefiles.moc"
