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
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("address"); // PORT: the server's port; "error": the error address
        QTest::addColumn<int>("requests");    // how many the server saw
        const auto row = [](const char* name, const char* fault, const QString& address,
                            int requests) {
            QTest::newRow(name) << QString(fault) << address << requests;
        };
        const QString image = "http://127.0.0.1:PORT/qconn/wpa/button/button_old_9%1.gif";
        row("online", "none", image.arg(1), 2);
        row("upper-case host kept", "upper", image.arg(1).replace("127.0.0.1", "LOCALHOST"), 2);
        row("query kept", "query", image.arg(1) + "?x=1", 2);
        row("locations without host, then relative", "relative", image.arg(1), 3);
        row("redirect loop", "loop", "error", NetworkStatusBrowser::MaxRedirects + 1);
        row("never answers", "never", "error", 1);
        // Qt sends a request once more when the connection closes unanswered.
        row("connection closed", "close", "error", 2);
    }

    // Whatever the server does, exactly one notification comes, later, with the final address.
    void navigation()
    {
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
        if (address == "error") // one line for whoever looks after the program
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^status of .+ not answered: "));
        browser.navigate(Addresses::statusRequest("10001", standin.host()));
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
