#include "skinattach.h"

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

// The skin module, loaded from its built file as the program loads it, applied to the application.
class TestSkinAttach final : public QObject
{
    Q_OBJECT
    QLibrary m_module{QStringLiteral(SKIN_MODULE_PATH)};
    SkinAttach::Function m_attach = nullptr;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_module.load(), qPrintable(m_module.errorString()));
        m_attach = reinterpret_cast<SkinAttach::Function>(m_module.resolve(SkinAttach::entryPoint));
        QVERIFY(m_attach);
    }

    void attach_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("result");
        QFile skin(QStringLiteral(SKIN_FILE_PATH));
        QVERIFY(skin.open(QIODevice::ReadOnly) && skin.size() > 0);
        const QString chinese = m_dir.filePath(QStringLiteral("我的 程序.she"));
        QVERIFY(skin.copy(chinese));
        QFile binary(m_dir.filePath(QStringLiteral("binary.she")));
        QVERIFY(binary.open(QIODevice::WriteOnly) && binary.write("\xFF\xFE\x00\x80\xC3\x28", 6));
        QFile huge(m_dir.filePath(QStringLiteral("huge.she")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(8 * 1024 * 1024));

        QTest::newRow("the program's skin") << skin.fileName() << int(SkinAttach::Applied);
        QTest::newRow("folder with a Chinese name") << chinese << int(SkinAttach::Applied);
        QTest::newRow("missing file") << m_dir.filePath("missing.she") << int(SkinAttach::NoFile);
        QTest::newRow("no path at all") << QString() << int(SkinAttach::NoFile);
        QTest::newRow("binary file") << binary.fileName() << int(SkinAttach::NotText);
        QTest::newRow("far too large for a skin") << huge.fileName() << int(SkinAttach::TooLarge);
    }

    // Applied, the application's sheet is exactly the file; refused, it stays as it was.
    void attach()
    {
        QFETCH(QString, path);
        QFETCH(int, result);
        const QString previous = QStringLiteral("QPushButton { color: #123456; }");
        qApp->setStyleSheet(previous);
        const QByteArray local = path.toLocal8Bit();
        QCOMPARE(m_attach(path.isNull() ? nullptr : local.constData(), ""), result);
        QFile skin(QStringLiteral(SKIN_FILE_PATH));
        QVERIFY(skin.open(QIODevice::ReadOnly));
        QCOMPARE(qApp->styleSheet(),
                 result == SkinAttach::Applied ? QString::fromUtf8(skin.readAll()) : previous);
    }
};

QTEST_MAIN(TestSkinAttach)
#include "tst_skinattach.moc"
