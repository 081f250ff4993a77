#include "platform/statusbrowser.h"
#include "standinserver.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <memory>

namespace {

// A port on 127.0.0.1 where nothing listens.
quint16 refusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when probe goes
}

// Long enough to see a second notification that should not come.
constexpr int QuietMs = 300;

} // namespace

class TestStatusBrowser final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void navigation_data();
    void navigation();
    void secondNavigateReplacesTheFirst_data();
    void secondNavigateReplacesTheFirst();
    void destroyedWhileNavigating();
};

void TestStatusBrowser::initTestCase()
{
    // Whatever the environment says, these requests stay on this machine.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestStatusBrowser::navigation_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("timeLimitMs");
    QTest::addColumn<QString>("address"); // PORT: the server's port; "error": ErrorAddress
    QTest::addColumn<int>("requests");    // how many the server saw; -1: not checked

    const QString online = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_91.gif";
    const QString offline = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_90.gif";
    const int limit = StatusBrowser::DefaultTimeLimitMs;

    QTest::newRow("online") << "10001"
                            << "none" << 0 << limit << online << 2;
    QTest::newRow("offline") << "10002"
                             << "none" << 0 << limit << offline << 2;
    QTest::newRow("number with a blank") << "12 34"
                                         << "none" << 0 << limit << online << 2;
    QTest::newRow("upper-case host kept")
        << "10001"
        << "upper" << 0 << limit << "http://LOCALHOST:PORT/qconn/wpa/button/button_old_91.gif" << 2;
    QTest::newRow("query kept") << "10001"
                                << "query" << 0 << limit << online + "?x=1" << 2;
    QTest::newRow("relative location") << "10001"
                                       << "relative" << 0 << limit << online << 2;
    QTest::newRow("huge redirect body") << "10001"
                                        << "huge" << 0 << limit << online << 2;
    QTest::newRow("slow server") << "10001"
                                 << "none" << 200 << limit << online << 2;
    QTest::newRow("redirect loop")
        << "10001"
        << "loop" << 0 << limit << "error" << StatusBrowser::MaxRedirects + 1;
    QTest::newRow("never answers") << "10001"
                                   << "never" << 0 << 500 << "error" << 1;
    QTest::newRow("too slow for the limit") << "10001"
                                            << "none" << 1000 << 300 << "error" << 1;
    // Qt sends a request once more when the connection closes unanswered.
    QTest::newRow("connection closed") << "10001"
                                       << "close" << 0 << limit << "error" << 2;
    QTest::newRow("refused") << "10001"
                             << "refused" << 0 << limit << "error" << -1;
    QTest::newRow("not an address") << "bad address"
                                    << "none" << 0 << limit << "error" << 0;
}

void TestStatusBrowser::navigation()
{
    QFETCH(QString, number);
    QFETCH(QString, fault);
    QFETCH(int, delayMs);
    QFETCH(int, timeLimitMs);
    QFETCH(QString, address);
    QFETCH(int, requests);

    StandinServer server;
    QVERIFY(server.listen());
    const QString port = QString::number(server.port());
    server.setOnline({"10001", "12 34"});
    server.setDelay(delayMs);
    if (fault == "upper")
        server.setImageHost("localhost:" + port); // an IP address has no case to change
    if (fault != "refused")
        server.setFault(*StandinServer::faultFromName(fault));

    QString target = server.statusAddress(number);
    if (fault == "refused")
        target = "http://127.0.0.1:" + QString::number(refusedPort()) + "/pa?p=1:10001:9";
    if (number == "bad address")
        target = "http:///pa?p=1:10001:9";

    StatusBrowser browser;
    browser.setTimeLimit(timeLimitMs);
    QSignalSpy completed(&browser, &StatusBrowser::NavigateComplete2);
    browser.Silent = true;
    browser.Navigate(target);
    QCOMPARE(completed.count(), 0); // never from inside Navigate

    QVERIFY(completed.wait(timeLimitMs + 5000));
    QVERIFY(!completed.wait(QuietMs));
    QCOMPARE(completed.count(), 1);
    const QString expected =
        address == "error" ? StatusBrowser::ErrorAddress : QString(address).replace("PORT", port);
    QCOMPARE(completed.first().first().toString(), expected);
    if (requests >= 0)
        QCOMPARE(server.requests().size(), requests);
}

void TestStatusBrowser::secondNavigateReplacesTheFirst_data()
{
    QTest::addColumn<QStringList>("silentNumbers"); // numbers the server never answers
    QTest::addColumn<int>("delayMs");

    QTest::newRow("first still waiting for its answer") << QStringList{"10002"} << 0;
    QTest::newRow("both slow") << QStringList() << 300;
}

void TestStatusBrowser::secondNavigateReplacesTheFirst()
{
    QFETCH(QStringList, silentNumbers);
    QFETCH(int, delayMs);

    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({"10001"});
    server.setDelay(delayMs);
    if (!silentNumbers.isEmpty())
        server.setFault(StandinServer::Fault::Never, silentNumbers);

    StatusBrowser browser;
    QSignalSpy completed(&browser, &StatusBrowser::NavigateComplete2);
    browser.Navigate(server.statusAddress("10002"));
    QTRY_COMPARE(server.requests().size(), 1); // the first is on the wire
    browser.Navigate(server.statusAddress("10001"));

    QVERIFY(completed.wait(5000));
    QVERIFY(!completed.wait(delayMs + QuietMs));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toString(), server.onlineImageAddress());
}

void TestStatusBrowser::destroyedWhileNavigating()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setFault(StandinServer::Fault::Never);

    auto browser = std::make_unique<StatusBrowser>();
    QSignalSpy completed(browser.get(), &StatusBrowser::NavigateComplete2);
    browser->Navigate(server.statusAddress("10001"));
    QTRY_COMPARE(server.requests().size(), 1);
    browser.reset();
    // The dropped request must not come back to a dead object; the loop keeps running.
    QVERIFY(!completed.wait(QuietMs));
}

QTEST_GUILESS_MAIN(TestStatusBrowser)
#include "tst_statusbrowser.moc"
