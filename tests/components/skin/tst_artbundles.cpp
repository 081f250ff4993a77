#include <QDir>
#include <QImageReader>
#include <QResource>
#include <QTest>

namespace {
const QString bundleDir = QStringLiteral(BUNDLE_DIR);
const QString resourcesDir = QStringLiteral(RESOURCES_DIR);
} // namespace

// The picture bundles as the program registers them, and the splash it shows first.
class TestArtBundles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bundleHoldsExactlyItsPictures_data();
    void bundleHoldsExactlyItsPictures();
    void pictureHasItsSize_data();
    void pictureHasItsSize();
};

void TestArtBundles::initTestCase()
{
    QVERIFY(QResource::registerResource(bundleDir + "/MSCOMCTL.OCX", "/mscomctl"));
    QVERIFY(QResource::registerResource(bundleDir + "/Image.ocx", "/image"));
}

void TestArtBundles::bundleHoldsExactlyItsPictures_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("common controls bundle")
        << ":/mscomctl/icons"
        << QStringList{"checking.png", "offline.png", "online.png", "window.png"};
    QTest::newRow("about box bundle")
        << ":/image/about" << QStringList{"logo.png", "offline.png", "online.png"};
}

void TestArtBundles::bundleHoldsExactlyItsPictures()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
}

void TestArtBundles::pictureHasItsSize_data()
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
    QTest::newRow("program icon") << resourcesDir + "/icons/lanternix.png" << QSize(256, 256);
    QTest::newRow("splash") << resourcesDir + "/splash/splash.jpg" << QSize(600, 395);
}

void TestArtBundles::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

QTEST_GUILESS_MAIN(TestArtBundles)
#include "tst_artbundles.moc"
