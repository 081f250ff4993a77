#include "platform/statusbrowser.h"
#include "standinserver.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <memory>

namespace {
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
    void secondNavigateReplacesTheFirst();
    void destroyedWhileNavigating();
};

void TestStatusBrowser::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestStatusBrowser::navigation_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("address"); // PORT: the server's port; "error": ErrorAddress
    QTest::addColumn<int>("requests");    // how many the server saw

    const QString online = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_91.gif";
    const QString offline = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_90.gif";

    QTest::newRow("online") << "10001"
                            << "none" << online << 2;
    QTest::newRow("offline") << "10002"
                             << "none" << offline << 2;
    QTest::newRow("upper-case host kept")
        << "10001"
        << "upper"
        << "http://LOCALHOST:PORT/qconn/wpa/button/button_old_91.gif" << 2;
    QTest::newRow("query kept") << "10001"
                                << "query" << online + "?x=1" << 2;
    QTest::newRow("relative location") << "10001"
                                       << "relative" << online << 2;
    QTest::newRow("redirect loop") << "10001"
                                   << "loop"
                                   << "error" << StatusBrowser::MaxRedirects + 1;
    QTest::newRow("never answers") << "10001"
                                   << "never"
                                   << "error" << 1;
    // Qt sends a request once more when the connection closes unanswered.
    QTest::newRow("connection closed") << "10001"
                                       << "close"
                                       << "error" << 2;
    QTest::newRow("refused port") << "10001"
                                  << "refused"
                                  << "error" << 0;
}

void TestStatusBrowser::navigation()
{
    QFETCH(QString, number);
    QFETCH(QString, fault);
    QFETCH(QString, address);
    QFETCH(int, requests);

    StandinServer server;
    QVERIFY(server.listen());
    const QString port = QString::number(server.port());
    server.setOnline({"10001"});
    if (fault == "upper")
        server.setImageHost("localhost:" + port); // an IP address has no case to change
    QString target = server.statusAddress(number);
    if (fault == "refused") {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        target = "http://127.0.0.1:" + QString::number(probe.serverPort()) + "/pa?p=1:10001:9";
    } else {
        server.setFault(*StandinServer::faultFromName(fault));
    }

    StatusBrowser browser;
    browser.setTimeLimit(1000);
    QSignalSpy completed(&browser, &StatusBrowser::NavigateComplete2);
    browser.Navigate(target);
    QCOMPARE(completed.count(), 0); // never from inside Navigate

    QVERIFY(completed.wait(6000));
    QVERIFY(!completed.wait(QuietMs));
    QCOMPARE(completed.count(), 1);
    const QString expected =
        address == "error" ? StatusBrowser::ErrorAddress : QString(address).replace("PORT", port);
    QCOMPARE(completed.first().first().toString(), expected);
    QCOMPARE(server.requests().size(), requests);
}

void TestStatusBrowser::secondNavigateReplacesTheFirst()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({"10001"});
    server.setFault(StandinServer::Fault::Never, {"10002"});

    StatusBrowser browser;
    QSignalSpy completed(&browser, &StatusBrowser::NavigateComplete2);
    browser.Navigate(server.statusAddress("10002"));
    QTRY_COMPARE(server.requests().size(), 1); // the first is on the wire
    browser.Navigate(server.statusAddress("10001"));

    QVERIFY(completed.wait(5000));
    QVERIFY(!completed.wait(QuietMs));
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
