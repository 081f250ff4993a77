#include "standinserver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Answer
{
    int status = 0;
    QByteArray location;
    QByteArray body;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
};

// One GET that does not follow redirects, so the test sees what the server said.
Answer get(const QString& address)
{
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished())
        finished.wait(10000);
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.location = reply->rawHeader("Location");
    answer.body = reply->readAll();
    answer.error = reply->error();
    delete reply;
    return answer;
}

// Sends a bare request and collects what comes back until the head of an answer is in,
// the server closes, or the time runs out.
struct RawOutcome
{
    QByteArray received;
    bool closedByServer = false;
};

RawOutcome rawRequest(quint16 port, const QByteArray& target, int waitMs)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    RawOutcome outcome;
    // The server runs in this thread: wait in an event loop, never in a blocking call.
    QEventLoop loop;
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&]() {
        outcome.received += socket.readAll();
        if (outcome.received.contains("\r\n\r\n"))
            loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    loop.exec();
    outcome.received += socket.readAll();
    outcome.closedByServer = socket.state() != QAbstractSocket::ConnectedState;
    return outcome;
}

} // namespace

class TestStandin final : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void imagesAreGifs();
    void silentAndClosedConnections_data();
    void silentAndClosedConnections();
    void delayHoldsTheAnswerBack();
    void requestLog();
    void program();
    void programRejectsBadOptions_data();
    void programRejectsBadOptions();
};

void TestStandin::answers_data()
{
    QTest::addColumn<QStringList>("online");
    QTest::addColumn<QByteArray>("versionText"); // null: version file missing
    QTest::addColumn<QString>("imageHost");      // "localhost" becomes localhost:PORT
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("faultNumbers");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("location"); // PORT stands for the server's port
    QTest::addColumn<QByteArray>("body");  // checked when not null

    const QByteArray v22("V2.2");
    const QByteArray anyBody;
    const QString online =
        QStringLiteral("http://127.0.0.1:PORT/qconn/wpa/button/button_old_91.gif");
    const QString offline =
        QStringLiteral("http://127.0.0.1:PORT/qconn/wpa/button/button_old_90.gif");

    QTest::newRow("online number")
        << QStringList{"10001"} << v22 << ""
        << "none" << QStringList() << "/pa?p=1:10001:9" << 302 << online << anyBody;
    QTest::newRow("offline number")
        << QStringList{"10001"} << v22 << ""
        << "none" << QStringList() << "/pa?p=1:10002:9" << 302 << offline << anyBody;
    QTest::newRow("number with a blank")
        << QStringList{"12 34"} << v22 << ""
        << "none" << QStringList() << "/pa?p=1:12%2034:9" << 302 << online << anyBody;
    QTest::newRow("empty number is offline")
        << QStringList{"10001"} << v22 << ""
        << "none" << QStringList() << "/pa?p=1::9" << 302 << offline << anyBody;
    QTest::newRow("other image host")
        << QStringList{"10001"} << v22 << "pub.example:81"
        << "none" << QStringList() << "/pa?p=1:10001:9" << 302
        << "http://pub.example:81/qconn/wpa/button/button_old_91.gif" << anyBody;
    QTest::newRow("upper-case host")
        << QStringList{"10001"} << v22 << "localhost"
        << "upper" << QStringList() << "/pa?p=1:10001:9" << 302
        << "http://LOCALHOST:PORT/qconn/wpa/button/button_old_91.gif" << anyBody;
    QTest::newRow("query appended")
        << QStringList{"10001"} << v22 << ""
        << "query" << QStringList() << "/pa?p=1:10001:9" << 302 << online + "?x=1" << anyBody;
    QTest::newRow("relative location") << QStringList() << v22 << ""
                                       << "relative" << QStringList() << "/pa?p=1:10001:9" << 302
                                       << "/qconn/wpa/button/button_old_90.gif" << anyBody;
    QTest::newRow("loop") << QStringList{"10001"} << v22 << ""
                          << "loop" << QStringList() << "/pa?p=1:10001:9" << 302
                          << "http://127.0.0.1:PORT/pa?p=1:10001:9" << anyBody;
    QTest::newRow("fault for another number")
        << QStringList{"10001"} << v22 << ""
        << "loop" << QStringList{"10002"} << "/pa?p=1:10001:9" << 302 << online << anyBody;
    QTest::newRow("fault for this number") << QStringList{"10001"} << v22 << ""
                                           << "query" << QStringList{"10001"} << "/pa?p=1:10001:9"
                                           << 302 << online + "?x=1" << anyBody;
    QTest::newRow("huge status answer") << QStringList() << v22 << ""
                                        << "huge" << QStringList() << "/pa?p=1:10001:9" << 302
                                        << offline << QByteArray(StandinServer::HugeBodySize, 'x');
    QTest::newRow("version file") << QStringList() << v22 << ""
                                  << "none" << QStringList() << StandinServer::VersionPath << 200
                                  << "" << v22;
    QTest::newRow("version file with line break")
        << QStringList() << QByteArray("V2.2\r\n") << ""
        << "none" << QStringList() << StandinServer::VersionPath << 200 << ""
        << QByteArray("V2.2\r\n");
    QTest::newRow("version file in GB18030")
        << QStringList() << QByteArray("\xb0\xe6\xb1\xbe V3.0") << ""
        << "none" << QStringList() << StandinServer::VersionPath << 200 << ""
        << QByteArray("\xb0\xe6\xb1\xbe V3.0");
    QTest::newRow("empty version file")
        << QStringList() << QByteArray("") << ""
        << "none" << QStringList() << StandinServer::VersionPath << 200 << "" << QByteArray("");
    QTest::newRow("no version file")
        << QStringList() << QByteArray() << ""
        << "none" << QStringList() << StandinServer::VersionPath << 404 << "" << anyBody;
    QTest::newRow("huge version file") << QStringList() << v22 << ""
                                       << "huge" << QStringList() << StandinServer::VersionPath
                                       << 200 << "" << QByteArray(StandinServer::HugeBodySize, 'V');
    QTest::newRow("forum") << QStringList() << v22 << ""
                           << "none" << QStringList() << "/bbs" << 200 << "" << anyBody;
    QTest::newRow("unknown path") << QStringList() << v22 << ""
                                  << "none" << QStringList() << "/index.html" << 404 << ""
                                  << anyBody;
    QTest::newRow("malformed status request")
        << QStringList() << v22 << ""
        << "none" << QStringList() << "/pa?p=2:10001:9" << 404 << "" << anyBody;
}

void TestStandin::answers()
{
    QFETCH(QStringList, online);
    QFETCH(QByteArray, versionText);
    QFETCH(QString, imageHost);
    QFETCH(QString, fault);
    QFETCH(QStringList, faultNumbers);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, location);
    QFETCH(QByteArray, body);

    StandinServer server;
    QVERIFY(server.listen());
    const QString port = QString::number(server.port());
    server.setOnline(online);
    if (versionText.isNull())
        server.setVersionFileMissing(true);
    else
        server.setVersionText(versionText);
    server.setImageHost(imageHost == "localhost" ? "localhost:" + port : imageHost);
    const auto parsed = StandinServer::faultFromName(fault);
    QVERIFY(parsed);
    server.setFault(*parsed, faultNumbers);

    const Answer answer = get("http://127.0.0.1:" + port + target);
    QCOMPARE(answer.status, status);
    QCOMPARE(QString::fromUtf8(answer.location), QString(location).replace("PORT", port));
    if (!body.isNull())
        QVERIFY(answer.body == body); // QCOMPARE would print megabytes
    QCOMPARE(server.log().size(), 1);
}

void TestStandin::imagesAreGifs()
{
    StandinServer server;
    QVERIFY(server.listen());
    const QImage online = QImage::fromData(get(server.onlineImageAddress()).body, "GIF");
    const QImage offline = QImage::fromData(get(server.offlineImageAddress()).body, "GIF");
    QVERIFY(!online.isNull());
    QVERIFY(!offline.isNull());
    QVERIFY(online.pixel(1, 1) != offline.pixel(1, 1));
}

void TestStandin::silentAndClosedConnections_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("faultNumbers");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<bool>("closes");

    QTest::newRow("never: status")
        << "never" << QStringList() << QByteArray("/pa?p=1:1:9") << false << false;
    QTest::newRow("never: version file")
        << "never" << QStringList() << StandinServer::VersionPath.toLatin1() << false << false;
    QTest::newRow("never: only number 2, asked for 1")
        << "never" << QStringList{"2"} << QByteArray("/pa?p=1:1:9") << true << false;
    QTest::newRow("never: only number 2, version file")
        << "never" << QStringList{"2"} << StandinServer::VersionPath.toLatin1() << true << false;
    QTest::newRow("close: status")
        << "close" << QStringList() << QByteArray("/pa?p=1:1:9") << false << true;
    QTest::newRow("close: version file")
        << "close" << QStringList() << StandinServer::VersionPath.toLatin1() << false << true;
    QTest::newRow("close: only number 1")
        << "close" << QStringList{"1"} << QByteArray("/pa?p=1:1:9") << false << true;
}

void TestStandin::silentAndClosedConnections()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, faultNumbers);
    QFETCH(QByteArray, target);
    QFETCH(bool, answers);
    QFETCH(bool, closes);

    StandinServer server;
    QVERIFY(server.listen());
    server.setFault(*StandinServer::faultFromName(fault), faultNumbers);
    // A silent server can only be told apart by waiting; half a second is plenty on loopback.
    const RawOutcome outcome = rawRequest(server.port(), target, closes || answers ? 5000 : 500);
    QCOMPARE(outcome.received.startsWith("HTTP/1.1 "), answers);
    if (!answers)
        QVERIFY(outcome.received.isEmpty());
    QCOMPARE(outcome.closedByServer, closes);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().answeredMs >= 0, answers || closes);
    QCOMPARE(server.requests().first().closed, closes);
}

void TestStandin::delayHoldsTheAnswerBack()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setDelay(300);
    QElapsedTimer clock;
    clock.start();
    const Answer answer = get(server.versionAddress());
    QCOMPARE(answer.body, QByteArray("V2.2"));
    QVERIFY(clock.elapsed() >= 300);
    const StandinServer::Request request = server.requests().first();
    QVERIFY(request.answeredMs - request.arrivedMs >= 300);
}

void TestStandin::requestLog()
{
    StandinServer server;
    QVERIFY(server.listen());
    QSignalSpy arrived(&server, &StandinServer::requestArrived);
    QSignalSpy answered(&server, &StandinServer::requestAnswered);

    get(server.statusAddress("10001"));
    get(server.statusAddress("12 34"));
    get(server.versionAddress());

    const QStringList log = server.log();
    QCOMPARE(log.size(), 3);
    const QStringList targets = {"/pa?p=1:10001:9", "/pa?p=1:12%2034:9",
                                 "/soft/duvazevovu/qqcx/jc/jc.txt"};
    for (int i = 0; i < 3; ++i) {
        const QRegularExpression line("^(\\d+) (.*)$");
        const auto match = line.match(log[i]);
        QVERIFY2(match.hasMatch(), qPrintable(log[i]));
        QCOMPARE(match.captured(2), targets[i]);
        QCOMPARE(arrived[i].first().toString(), targets[i]);
        QCOMPARE(answered[i].first().toString(), targets[i]);
        const StandinServer::Request request = server.requests()[i];
        QCOMPARE(request.target, targets[i]);
        QCOMPARE(match.captured(1).toLongLong(), request.arrivedMs);
        QVERIFY(request.answeredMs >= request.arrivedMs);
        if (i > 0)
            QVERIFY(request.arrivedMs >= server.requests()[i - 1].answeredMs);
    }

    server.clearLog();
    QVERIFY(server.log().isEmpty());
    get(server.versionAddress());
    QCOMPARE(server.requests().size(), 1);
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
    const QRegularExpression portLine("^PORT (\\d+)$");
    const auto match = portLine.match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));
    const QString host = "127.0.0.1:" + match.captured(1);

    QCOMPARE(get("http://" + host + StandinServer::VersionPath).body, QByteArray("V2.2\r\n"));
    for (const QString number : {"10001", "20002", "30003"}) {
        QCOMPARE(get("http://" + host + "/pa?p=1:" + number + ":9").location,
                 ("http://" + host + StandinServer::OnlineImagePath).toUtf8());
    }
    QCOMPARE(get("http://" + host + "/pa?p=1:40004:9").location,
             ("http://" + host + StandinServer::OfflineImagePath).toUtf8());

    const auto logLines = [&logPath]() {
        QFile log(logPath);
        if (!log.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    };
    QTRY_COMPARE_WITH_TIMEOUT(logLines().size(), 5, 5000);
    const QStringList lines = logLines();
    QVERIFY(lines[0].endsWith(" " + StandinServer::VersionPath));
    QVERIFY(lines[4].endsWith(" /pa?p=1:40004:9"));

    standin.terminate(); // SIGTERM: the program ends cleanly
    QVERIFY(standin.waitForFinished(10000));
    QCOMPARE(standin.exitStatus(), QProcess::NormalExit);
    QCOMPARE(standin.exitCode(), 0);
}

void TestStandin::programRejectsBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown fault") << QStringList{"--fault", "sometimes"} << "unknown fault";
    QTest::newRow("bad port") << QStringList{"--port", "70000"} << "--port";
    QTest::newRow("bad delay") << QStringList{"--delay", "soon"} << "--delay";
    QTest::newRow("missing online file")
        << QStringList{"--online-file", "/nonexistent/online.txt"} << "cannot read";
}

void TestStandin::programRejectsBadOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess standin;
    standin.start(STANDIN_PROGRAM, arguments);
    QVERIFY(standin.waitForFinished(10000));
    QCOMPARE(standin.exitStatus(), QProcess::NormalExit);
    QVERIFY(standin.exitCode() != 0);
    QVERIFY(standin.readAllStandardOutput().isEmpty());
    QVERIFY(QString::fromUtf8(standin.readAllStandardError()).contains(message));
}

QTEST_MAIN(TestStandin)
#include "tst_standin.moc"
