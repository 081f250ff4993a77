// The status browser against the stand-in server, misbehaving in every way it can.

#include "platform/networkstatusbrowser.h"
#include "standinserver.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTest>

class TstNetworkStatusBrowser final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void navigation_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("address"); // PORT: the server's port; "error": the error address
        QTest::addColumn<int>("requests");    // how many the server saw
        const QString online = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_91.gif";
        QTest::newRow("online") << "10001"
                                << "none" << online << 2;
        QTest::newRow("offline") << "10002"
                                 << "none"
                                 << "http://127.0.0.1:PORT/qconn/wpa/button/button_old_90.gif" << 2;
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
                                       << "error" << NetworkStatusBrowser::MaxRedirects + 1;
        QTest::newRow("never answers") << "10001"
                                       << "never"
                                       << "error" << 1;
        // Qt sends a request once more when the connection closes unanswered.
        QTest::newRow("connection closed") << "10001"
                                           << "close"
                                           << "error" << 2;
    }

    // Whatever the server does, exactly one notification comes, later, with the final address.
    void navigation()
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
        server.setFault(*StandinServer::faultFromName(fault));

        NetworkStatusBrowser browser;
        browser.setTimeLimit(1000);
        QSignalSpy completed(&browser, &StatusBrowser::navigationCompleted);
        browser.navigate(server.statusAddress(number));
        QCOMPARE(completed.count(), 0); // never from inside navigate()
        QVERIFY(completed.wait(6000));
        QVERIFY(!completed.wait(300)); // long enough to see a second one that must not come
        QCOMPARE(completed.first().first().toString(),
                 address == "error" ? NetworkStatusBrowser::ErrorAddress
                                    : QString(address).replace("PORT", port));
        QCOMPARE(server.requests().size(), requests);
    }
};

QTEST_GUILESS_MAIN(TstNetworkStatusBrowser)
#include "tst_networkstatusbrowser.moc"
