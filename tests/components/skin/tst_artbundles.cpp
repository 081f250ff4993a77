#include <QImageReader>
#include <QResource>
#include <QTest>

// The picture bundles as the program registers them, and the splash it shows first.
class TestArtBundles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(BUNDLE_DIR "/MSCOMCTL.OCX", "/mscomctl"));
        QVERIFY(QResource::registerResource(BUNDLE_DIR "/Image.ocx", "/image"));
    }

    void pictureHasItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("list icon: offline") << ":/mscomctl/icons/offline.png" << QSize(32, 32);
        QTest::newRow("list icon: online") << ":/mscomctl/icons/online.png" << QSize(32, 32);
        QTest::newRow("list icon: checking") << ":/mscomctl/icons/checking.png" << QSize(32, 32);
        QTest::newRow("window icon") << ":/mscomctl/icons/window.png" << QSize(32, 32);
        QTest::newRow("about logo") << ":/image/about/logo.png" << QSize(120, 120);
        QTest::newRow("about online figure") << ":/image/about/online.png" << QSize(32, 33);
        QTest::newRow("about offline figure") << ":/image/about/offline.png" << QSize(32, 32);
        QTest::newRow("program icon") << RESOURCES_DIR "/icons/lanternix.png" << QSize(256, 256);
        QTest::newRow("splash") << RESOURCES_DIR "/splash/splash.jpg" << QSize(600, 395);
    }

    void pictureHasItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }
};

QTEST_GUILESS_MAIN(TestArtBundles)
#include "tst_artbundles.moc"
