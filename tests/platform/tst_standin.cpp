// The stand-in is test equipment: enough here to trust its answers, its log and the program.
// Its faults are exercised by the tests that use them against the status browser and transfer.

#include "standinserver.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Answer
{
    int status = 0;
    QByteArray location;
    QByteArray body;
};

// One GET that does not follow redirects, so the test sees what the server said.
Answer get(const QString& address)
{
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(network.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished())
        finished.wait(10000);
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->rawHeader("Location"), reply->readAll()};
}

} // namespace

class TestStandin final : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void program();
};

void TestStandin::answers_data()
{
    QTest::addColumn<bool>("versionFile");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("location"); // PORT stands for the server's port
    QTest::addColumn<QByteArray>("body");  // checked when not null

    const QString images = QStringLiteral("http://127.0.0.1:PORT/qconn/wpa/button/");
    QTest::newRow("online") << true << "/pa?p=1:10001:9" << 302 << images + "button_old_91.gif"
                            << QByteArray();
    QTest::newRow("offline") << true << "/pa?p=1:10002:9" << 302 << images + "button_old_90.gif"
                             << QByteArray();
    QTest::newRow("version file") << true << StandinServer::VersionPath << 200 << ""
                                  << QByteArray("V2.2");
    QTest::newRow("no version file")
        << false << StandinServer::VersionPath << 404 << "" << QByteArray();
}

void TestStandin::answers()
{
    QFETCH(bool, versionFile);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, location);
    QFETCH(QByteArray, body);

    StandinServer server;
    QVERIFY(server.listen());
    const QString port = QString::number(server.port());
    server.setOnline({"10001"});
    server.setVersionFileMissing(!versionFile);

    const Answer answer = get("http://127.0.0.1:" + port + target);
    QCOMPARE(answer.status, status);
    QCOMPARE(QString::fromUtf8(answer.location), QString(location).replace("PORT", port));
    if (!body.isNull())
        QCOMPARE(answer.body, body);
    QCOMPARE(server.log().size(), 1);
    QVERIFY2(QRegularExpression("^\\d+ " + QRegularExpression::escape(target) + "$")
                 .match(server.log().first())
                 .hasMatch(),
             qPrintable(server.log().first()));
}

void TestStandin::program()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath("requests.log");
    const QString onlinePath = dir.filePath("online.txt");
    QFile onlineFile(onlinePath);
    QVERIFY(onlineFile.open(QIODevice::WriteOnly));
    onlineFile.write("20002\n\n 30003 \n");
    onlineFile.close();

    QProcess standin;
    standin.start(STANDIN_PROGRAM, {"--port", "0", "--online", "10001", "--online-file", onlinePath,
                                    "--version-text", "V2.2\\r\\n", "--log", logPath});
    QVERIFY(standin.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(standin.canReadLine(), 10000);
    const QString first = QString::fromUtf8(standin.readLine()).trimmed();
    const auto match = QRegularExpression("^PORT (\\d+)$").match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));
    const QString host = "http://127.0.0.1:" + match.captured(1);

    QCOMPARE(get(host + StandinServer::VersionPath).body, QByteArray("V2.2\r\n"));
    for (const QString number : {"10001", "20002", "30003"})
        QCOMPARE(get(host + "/pa?p=1:" + number + ":9").location,
                 (host + StandinServer::OnlineImagePath).toUtf8());
    QCOMPARE(get(host + "/pa?p=1:40004:9").location,
             (host + StandinServer::OfflineImagePath).toUtf8());

    const auto logLines = [&logPath]() {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
    };
    QTRY_COMPARE_WITH_TIMEOUT(logLines().size(), 5, 5000);
    QVERIFY(logLines().first().endsWith(" " + StandinServer::VersionPath));
    QVERIFY(logLines().last().endsWith(" /pa?p=1:40004:9"));

    standin.terminate(); // SIGTERM: the program ends cleanly
    QVERIFY(standin.waitForFinished(10000));
    QCOMPARE(standin.exitStatus(), QProcess::NormalExit);
    QCOMPARE(standin.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestStandin)
#include "tst_standin.moc"
