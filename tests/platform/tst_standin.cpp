// The stand-in is test equipment: enough here to trust the program the end-to-end runs start.
// Its answers and faults are exercised by the tests that use them.

#include "standinserver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTest>
#include <memory>

class TestStandin final : public QObject
{
    Q_OBJECT

private slots:
    void programServesStatusAndVersion()
    {
        QProcess standin;
        standin.start(STANDIN_PROGRAM,
                      {"--port", "0", "--online", "10001", "--version-text", "V2.2"});
        QVERIFY(standin.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(standin.canReadLine(), 10000);
        const QByteArray first = standin.readLine().trimmed();
        QVERIFY2(first.startsWith("PORT ") && first.mid(5).toInt() > 0, first.constData());
        const QString host = "http://127.0.0.1:" + QString::fromLatin1(first.mid(5));

        QNetworkAccessManager network;
        network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> status(
            network.get(QNetworkRequest(host + "/pa?p=1:10001:9")));
        std::unique_ptr<QNetworkReply> version(
            network.get(QNetworkRequest(host + StandinServer::VersionPath)));
        QTRY_VERIFY_WITH_TIMEOUT(status->isFinished() && version->isFinished(), 10000);
        QCOMPARE(status->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 302);
        QCOMPARE(status->rawHeader("Location"), (host + StandinServer::OnlineImagePath).toUtf8());
        QCOMPARE(version->readAll(), QByteArray("V2.2"));

        standin.terminate();
        QVERIFY(standin.waitForFinished(10000));
        QCOMPARE(standin.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStandin)
#include "tst_standin.moc"
