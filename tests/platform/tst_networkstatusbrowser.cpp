// The status browser against the stand-in, misbehaving in every way it can.

#include "config/addresses.h"
#include "platform/networkstatusbrowser.h"
#include "standin.h"

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
        Standin standin("online=10001&fault=" + fault.toLatin1());
        QVERIFY(standin.isReady());
        const QString port = standin.host().section(':', 1);
        if (fault == "upper") // an IP address has no case to change
            QVERIFY(standin.set("image-host=localhost:" + port.toLatin1()));

        NetworkStatusBrowser browser;
        browser.setTimeLimit(1000);
        QSignalSpy completed(&browser, &StatusBrowser::navigationCompleted);
        browser.navigate(Addresses::statusRequest(number, standin.host()));
        QCOMPARE(completed.count(), 0); // never from inside navigate()
        QVERIFY(completed.wait(6000));
        QVERIFY(!completed.wait(300)); // long enough to see a second one that must not come
        QCOMPARE(completed.first().first().toString(),
                 address == "error" ? NetworkStatusBrowser::ErrorAddress
                                    : QString(address).replace("PORT", port));
        QCOMPARE(standin.requests().size(), requests);
    }
};

QTEST_GUILESS_MAIN(TstNetworkStatusBrowser)
#include "tst_networkstatusbrowser.moc"
