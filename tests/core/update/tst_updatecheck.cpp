// The version check through the real transfer module, against the stand-in of the maker's site.

#include "config/addresses.h"
#include "core/update/updatecheck.h"
#include "platform/transfer.h"
#include "standin.h"

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTest>

using Outcome = UpdateCheck::Outcome;

class TstUpdateCheck final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("versionFile"); // null: the site answers 404 with a page
        QTest::addColumn<QString>("fault");          // "refused": nobody listens on the port
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("answer"); // as the newer box shows it
        QTest::newRow("V2.2") << QByteArray("V2.2") << "none" << Outcome::Current << "V2.2";
        QTest::newRow("V2.2 and a line break")
            << QByteArray("V2.2\r\n") << "none" << Outcome::Newer << "V2.2\r\n";
        QTest::newRow("lower-case v") << QByteArray("v2.2") << "none" << Outcome::Newer << "v2.2";
        QTest::newRow("GB18030 text")
            << QByteArray("\xd0\xc2\xb0\xe6") << "none" << Outcome::Newer << "新版";
        QTest::newRow("error page") << QByteArray() << "none" << Outcome::Newer
                                    << "<html><body><h1>404 Not Found</h1></body></html>\n";
        QTest::newRow("empty file") << QByteArray("") << "none" << Outcome::Failed << "";
        QTest::newRow("nobody listens") << QByteArray("V2.2") << "refused" << Outcome::Failed << "";
        QTest::newRow("never answers") << QByteArray("V2.2") << "never" << Outcome::Failed << "";
        QTest::newRow("over the size cap") << QByteArray("V2.2") << "huge" << Outcome::Failed << "";
    }
    void answers()
    {
        QFETCH(QByteArray, versionFile);
        QFETCH(QString, fault);
        QFETCH(Outcome, outcome);
        QFETCH(QString, answer);
        Standin standin("fault=" + (fault == "refused" ? "none" : fault.toLatin1()) +
                        "&version-text=" + versionFile.toPercentEncoding() +
                        (versionFile.isNull() ? "&no-version-file=1" : ""));
        QVERIFY(standin.isReady());
        QString address = Addresses::versionFile(standin.host());
        QTcpServer closed; // a port that was free a moment ago
        if (fault == "refused") {
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            address = QStringLiteral("http://127.0.0.1:%1/jc.txt").arg(closed.serverPort());
            closed.close();
        }
        ModuleTransfer transfer(TRANSFER_MODULE, 1500);
        const UpdateCheck::Verdict verdict = UpdateCheck(address).run(transfer);
        QCOMPARE(verdict.outcome, outcome);
        QCOMPARE(verdict.answer, answer);
    }
};

QTEST_GUILESS_MAIN(TstUpdateCheck)
#include "tst_updatecheck.moc"
