#include "platform/transfer.h"
#include "standinserver.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTest>

// The transfer module as the update check uses it: loaded from its built file through
// ModuleTransfer, fetching the version file from the stand-in.
class TestTransfer final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void openUrl_data()
    {
        QTest::addColumn<QByteArray>("versionFile"); // bytes served; null: no version file
        QTest::addColumn<QString>("fault");          // "refused": a port where nobody listens
        QTest::addColumn<QString>("text");

        const QByteArray v22("V2.2");
        QTest::newRow("body") << v22 << "none"
                              << "V2.2";
        QTest::newRow("line break kept") << QByteArray("V2.2\r\n") << "none"
                                         << "V2.2\r\n";
        QTest::newRow("GB18030") << QByteArray("\xb0\xe6\xb1\xbe V3 \x94\x39\xfc\x36") << "none"
                                 << QStringLiteral("版本 V3 😀");
        QTest::newRow("error page") << QByteArray() << "none"
                                    << "<html><body><h1>404 Not Found</h1></body></html>\n";
        QTest::newRow("refused") << v22 << "refused"
                                 << "";
        QTest::newRow("never answers") << v22 << "never"
                                       << "";
        QTest::newRow("huge body") << v22 << "huge"
                                   << "";
    }

    void openUrl()
    {
        QFETCH(QByteArray, versionFile);
        QFETCH(QString, fault);
        QFETCH(QString, text);

        StandinServer server;
        QVERIFY(server.listen());
        server.setVersionFileMissing(versionFile.isNull());
        server.setVersionText(versionFile);
        QString address = server.versionAddress();
        if (fault == "refused") {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            address = "http://127.0.0.1:" + QString::number(probe.serverPort()) + "/";
        } else {
            server.setFault(*StandinServer::faultFromName(fault));
        }

        ModuleTransfer transfer(TRANSFER_MODULE);
        QVERIFY(transfer.isLoaded());
        transfer.setTimeLimit(2000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(transfer.OpenURL(address), text);
        QVERIFY(clock.elapsed() < 10000); // the time limit holds even when the server is silent
    }
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
