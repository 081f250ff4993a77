#include "platform/transfer.h"
#include "standinserver.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// The transfer module as the update check uses it: loaded from its built file through
// ModuleTransfer, fetching from the stand-in.
class TestTransfer final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openUrl_data();
    void openUrl();
    void withoutModule_data();
    void withoutModule();
};

void TestTransfer::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestTransfer::openUrl_data()
{
    QTest::addColumn<QByteArray>("versionFile"); // bytes served; null: no version file
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("path"); // "refused": a port where nobody listens
    QTest::addColumn<QString>("text"); // "GIF": the online image, read as text

    const QString version = StandinServer::VersionPath;
    const QString status = "/pa?p=1:10001:9"; // 10001 is online: ends at the online image
    const QByteArray v22("V2.2");
    const int cap = ModuleTransfer::SizeCap;

    QTest::newRow("body") << v22 << "none" << version << "V2.2";
    QTest::newRow("line break kept") << QByteArray("V2.2\r\n") << "none" << version << "V2.2\r\n";
    QTest::newRow("GB18030") << QByteArray("\xb0\xe6\xb1\xbe V3 \x94\x39\xfc\x36") << "none"
                             << version << QStringLiteral("版本 V3 😀");
    QTest::newRow("NUL inside") << QByteArray("V2.2\0tail", 9) << "none" << version
                                << QString::fromLatin1("V2.2\0tail", 9);
    QTest::newRow("exactly the size cap")
        << QByteArray(cap, 'a') << "none" << version << QString(cap, u'a');
    QTest::newRow("one byte over the cap") << QByteArray(cap + 1, 'a') << "none" << version << "";
    QTest::newRow("redirect followed") << v22 << "none" << status << "GIF";
    QTest::newRow("404") << QByteArray() << "none" << version << "";
    QTest::newRow("refused") << v22 << "none"
                             << "refused"
                             << "";
    QTest::newRow("never answers") << v22 << "never" << version << "";
    QTest::newRow("huge body") << v22 << "huge" << version << "";
}

void TestTransfer::openUrl()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, fault);
    QFETCH(QString, path);
    QFETCH(QString, text);

    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({"10001"});
    server.setVersionFileMissing(versionFile.isNull());
    server.setVersionText(versionFile);
    server.setFault(*StandinServer::faultFromName(fault));

    QString address = "http://" + server.host() + path;
    QTcpServer probe;
    if (path == "refused") {
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        address = "http://127.0.0.1:" + QString::number(probe.serverPort()) + "/";
        probe.close();
    }
    if (text == "GIF")
        text = QStringDecoder("GB18030").decode(StandinServer::onlineImage());

    ModuleTransfer transfer(TRANSFER_MODULE);
    QVERIFY(transfer.isLoaded());
    transfer.setTimeLimit(2000);
    QElapsedTimer clock;
    clock.start();
    const QString answer = transfer.OpenURL(address);
    QCOMPARE(answer.size(), text.size());
    QVERIFY(answer == text);          // QCOMPARE would print a megabyte
    QVERIFY(clock.elapsed() < 10000); // the time limit holds even when the server is silent
}

void TestTransfer::withoutModule_data()
{
    QTest::addColumn<QByteArray>("moduleBytes"); // null: no module file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a library") << QByteArray("this is text, not a shared library\n");
}

void TestTransfer::withoutModule()
{
    QFETCH(QByteArray, moduleBytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("MSINET.OCX");
    QFile file(path);
    if (!moduleBytes.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(moduleBytes) == moduleBytes.size());
    file.close();

    StandinServer server;
    QVERIFY(server.listen());
    ModuleTransfer transfer(path);
    QVERIFY(!transfer.isLoaded());
    QCOMPARE(transfer.OpenURL(server.versionAddress()), QString());
    QVERIFY(server.requests().isEmpty());
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
