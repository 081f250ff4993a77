#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QTest>

namespace {

const QString bundleDir = QStringLiteral(BUNDLE_DIR);
const QString resourcesDir = QStringLiteral(RESOURCES_DIR);

// Average colour of the pixels a user actually sees (the opaque ones).
QColor visibleAverage(const QImage& image)
{
    double red = 0, green = 0, blue = 0, weight = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            const double alpha = qAlpha(pixel) / 255.0;
            red += qRed(pixel) * alpha;
            green += qGreen(pixel) * alpha;
            blue += qBlue(pixel) * alpha;
            weight += alpha;
        }
    }
    if (weight == 0)
        return QColor();
    return QColor(int(red / weight), int(green / weight), int(blue / weight));
}

// Bytes of a leading ID3v2 tag, whose size is stored in four 7-bit bytes.
int id3Length(const QByteArray& bytes)
{
    if (bytes.size() < 10 || !bytes.startsWith("ID3"))
        return 0;
    int size = 0;
    for (int i = 6; i < 10; ++i)
        size = (size << 7) | (uchar(bytes[i]) & 0x7F);
    return 10 + size;
}

} // namespace

class TestArtBundles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void bundleHoldsExactlyItsPictures_data();
    void bundleHoldsExactlyItsPictures();
    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void figuresShowTheirStatus_data();
    void figuresShowTheirStatus();
    void splashIsAPhotographOfWindowSize();
    void tuneIsShortMonoMp3();
};

void TestArtBundles::initTestCase()
{
    QVERIFY(QResource::registerResource(bundleDir + QStringLiteral("/MSCOMCTL.OCX"),
                                        QStringLiteral("/mscomctl")));
    QVERIFY(QResource::registerResource(bundleDir + QStringLiteral("/Image.ocx"),
                                        QStringLiteral("/image")));
}

void TestArtBundles::cleanupTestCase()
{
    QResource::unregisterResource(bundleDir + QStringLiteral("/MSCOMCTL.OCX"),
                                  QStringLiteral("/mscomctl"));
    QResource::unregisterResource(bundleDir + QStringLiteral("/Image.ocx"),
                                  QStringLiteral("/image"));
}

void TestArtBundles::bundleHoldsExactlyItsPictures_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("common controls bundle")
        << QStringLiteral(":/mscomctl/icons")
        << QStringList{"checking.png", "offline.png", "online.png", "window.png"};
    QTest::newRow("about box bundle")
        << QStringLiteral(":/image/about") << QStringList{"logo.png", "offline.png", "online.png"};
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
}

void TestArtBundles::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());

    // A real picture on a see-through ground: some pixels fully clear, some fully drawn.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int clear = 0, solid = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            clear += alpha == 0;
            solid += alpha == 255;
        }
    }
    QVERIFY(clear > 0);
    QVERIFY(solid > argb.width() * argb.height() / 8);
}

void TestArtBundles::figuresShowTheirStatus_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("look");

    QTest::newRow("online in the list") << ":/mscomctl/icons/online.png"
                                        << "blue";
    QTest::newRow("online in the about box") << ":/image/about/online.png"
                                             << "blue";
    QTest::newRow("offline in the list") << ":/mscomctl/icons/offline.png"
                                         << "grey";
    QTest::newRow("offline in the about box") << ":/image/about/offline.png"
                                              << "grey";
    QTest::newRow("being checked") << ":/mscomctl/icons/checking.png"
                                   << "amber";
}

void TestArtBundles::figuresShowTheirStatus()
{
    QFETCH(QString, path);
    QFETCH(QString, look);

    const QColor average = visibleAverage(QImage(path));
    QVERIFY(average.isValid());
    const QString seen = QStringLiteral("average %1").arg(average.name());
    if (look == QLatin1String("blue"))
        QVERIFY2(average.blue() > average.red() + 60 && average.hsvSaturation() > 100,
                 qPrintable(seen));
    else if (look == QLatin1String("grey"))
        QVERIFY2(average.hsvSaturation() < 20, qPrintable(seen));
    else
        QVERIFY2(average.red() > average.blue() + 60 && average.green() > average.blue(),
                 qPrintable(seen));
}

void TestArtBundles::splashIsAPhotographOfWindowSize()
{
    const QString path = resourcesDir + QStringLiteral("/splash/splash.jpg");
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(600, 395));
    QVERIFY(QFileInfo(path).size() < 80 * 1024);
}

void TestArtBundles::tuneIsShortMonoMp3()
{
    QFile file(resourcesDir + QStringLiteral("/music/zeph.mp3"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() < 250 * 1024);

    // The first MPEG audio frame header after the tag: MPEG-1 layer III, its bit rate, mono.
    const int start = id3Length(bytes);
    QVERIFY(bytes.size() > start + 4);
    const auto byte = [&](int i) { return uchar(bytes[start + i]); };
    QCOMPARE(byte(0), uchar(0xFF));
    QCOMPARE(byte(1) & 0xFE, 0xFA); // frame sync, MPEG-1, layer III
    static const int kbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                 112, 128, 160, 192, 224, 256, 320, 0};
    const int bitRate = kbps[byte(2) >> 4];
    QVERIFY2(bitRate >= 64 && bitRate <= 96, qPrintable(QString::number(bitRate)));
    QCOMPARE(byte(3) >> 6, 3); // channel mode: single channel

    const double seconds = (bytes.size() - start) * 8.0 / (bitRate * 1000.0);
    QVERIFY2(seconds >= 10 && seconds <= 25, qPrintable(QString::number(seconds)));
}

QTEST_GUILESS_MAIN(TestArtBundles)
#include "tst_artbundles.moc"
