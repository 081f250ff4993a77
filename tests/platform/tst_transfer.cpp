#include "platform/transfer.h"
#include "standinserver.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

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
    QVERIFY(ModuleTransfer(TRANSFER_MODULE).isLoaded());
}

void TestTransfer::openUrl_data()
{
    QTest::addColumn<QByteArray>("versionFile"); // bytes served; null: no version file
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QString>("path"); // "refused": a port where nobody listens
    QTest::addColumn<QString>("text");

    const QString version = StandinServer::VersionPath;
    const QString status = "/pa?p=1:10001:9"; // 10001 is online: ends at the online image

    QTest::newRow("body") << QByteArray("V2.2") << "none" << 0 << version << "V2.2";
    QTest::newRow("line break kept")
        << QByteArray("V2.2\r\n") << "none" << 0 << version << "V2.2\r\n";
    QTest::newRow("lower-case v") << QByteArray("v2.2") << "none" << 0 << version << "v2.2";
    QTest::newRow("GB18030 two-byte") << QByteArray("\xb0\xe6\xb1\xbe V3.0") << "none" << 0
                                      << version << QString::fromUtf8("版本 V3.0");
    QTest::newRow("GB18030 four-byte")
        << QByteArray("V3 \x94\x39\xfc\x36") << "none" << 0 << version << QString::fromUtf8("V3 😀");
    QTest::newRow("empty file") << QByteArray("") << "none" << 0 << version << "";
    QTest::newRow("slow but in time") << QByteArray("V2.2") << "none" << 300 << version << "V2.2";
    QTest::newRow("redirect followed") << QByteArray("V2.2") << "none" << 0 << status << "GIF";
    QTest::newRow("relative redirect followed")
        << QByteArray("V2.2") << "relative" << 0 << status << "GIF";
    QTest::newRow("404") << QByteArray() << "none" << 0 << version << "";
    QTest::newRow("refused") << QByteArray("V2.2") << "none" << 0 << "refused"
                             << "";
    QTest::newRow("never answers") << QByteArray("V2.2") << "never" << 0 << version << "";
    QTest::newRow("connection closed") << QByteArray("V2.2") << "close" << 0 << version << "";
    QTest::newRow("huge body") << QByteArray("V2.2") << "huge" << 0 << version << "";
    QTest::newRow("redirect loop") << QByteArray("V2.2") << "loop" << 0 << status << "";
}

void TestTransfer::openUrl()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, fault);
    QFETCH(int, delayMs);
    QFETCH(QString, path);
    QFETCH(QString, text);

    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({"10001"});
    server.setVersionFileMissing(versionFile.isNull());
    server.setVersionText(versionFile);
    server.setFault(*StandinServer::faultFromName(fault));
    server.setDelay(delayMs);

    QString address = "http://" + server.host() + path;
    if (path == "refused") {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        address = "http://127.0.0.1:" + QString::number(probe.serverPort()) + "/";
    }

    ModuleTransfer transfer(TRANSFER_MODULE);
    transfer.setTimeLimit(2000);
    QElapsedTimer clock;
    clock.start();
    const QString answer = transfer.OpenURL(address);
    if (text == "GIF") // the online image, as text, after the redirect
        QCOMPARE(answer, QStringDecoder("GB18030").decode(StandinServer::onlineImage()));
    else
        QCOMPARE(answer, text);
    QVERIFY(clock.elapsed() < 10000); // the time limit holds even when the server is silent
}

void TestTransfer::withoutModule_data()
{
    QTest::addColumn<QString>("module");
    QTest::newRow("missing file") << "absent/MSINET.OCX";
    QTest::newRow("not a library") << "garbage/MSINET.OCX";
}

void TestTransfer::withoutModule()
{
    QFETCH(QString, module);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(module);
    if (module.startsWith("garbage")) {
        QVERIFY(QDir(dir.path()).mkpath("garbage"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is text, not a shared library\n");
    }

    StandinServer server;
    QVERIFY(server.listen());
    ModuleTransfer transfer(path);
    QVERIFY(!transfer.isLoaded());
    QCOMPARE(transfer.OpenURL(server.versionAddress()), QString());
    QVERIFY(server.requests().isEmpty());
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
