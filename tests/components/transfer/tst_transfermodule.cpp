#include "inet.h"
#include "standinserver.h"

#include <QLibrary>
#include <QNetworkProxy>
#include <QTest>

// The module's C entry points as a caller other than ModuleTransfer sees them.
class TestTransferModule final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sizeCap_data();
    void sizeCap();
    void textLengthCoversNulCharacters();
    void refusesUnusableArguments_data();
    void refusesUnusableArguments();

private:
    struct Result
    {
        bool ok = false;
        QByteArray text;
        int length = -1;
    };
    Result open(const QString& address, int timeLimitMs, int sizeCap);

    QLibrary m_module{TRANSFER_MODULE};
    InetOpenUrlFunction m_openUrl = nullptr;
    InetFreeFunction m_free = nullptr;
};

void TestTransferModule::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY2(m_module.load(), qPrintable(m_module.errorString()));
    m_openUrl = reinterpret_cast<InetOpenUrlFunction>(m_module.resolve("Inet_OpenURL"));
    m_free = reinterpret_cast<InetFreeFunction>(m_module.resolve("Inet_Free"));
    QVERIFY(m_openUrl);
    QVERIFY(m_free);
}

TestTransferModule::Result TestTransferModule::open(const QString& address, int timeLimitMs,
                                                    int sizeCap)
{
    Result result;
    char* text = m_openUrl(address.toUtf8().constData(), timeLimitMs, sizeCap, &result.length);
    result.ok = text != nullptr;
    if (text)
        result.text = QByteArray(text, result.length);
    m_free(text);
    return result;
}

void TestTransferModule::sizeCap_data()
{
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<int>("sizeCap");
    QTest::addColumn<bool>("ok");
    QTest::newRow("below the cap") << 1000 << 1001 << true;
    QTest::newRow("exactly the cap") << 1000 << 1000 << true;
    QTest::newRow("one byte over") << 1001 << 1000 << false;
    QTest::newRow("1 MiB cap, 5 MiB body")
        << int(StandinServer::HugeBodySize) << 1024 * 1024 << false;
}

void TestTransferModule::sizeCap()
{
    QFETCH(int, bodySize);
    QFETCH(int, sizeCap);
    QFETCH(bool, ok);
    StandinServer server;
    QVERIFY(server.listen());
    server.setVersionText(QByteArray(bodySize, 'a'));
    const Result result = open(server.versionAddress(), 5000, sizeCap);
    QCOMPARE(result.ok, ok);
    QCOMPARE(result.length, ok ? bodySize : 0);
    QCOMPARE(result.text.size(), ok ? bodySize : 0);
}

void TestTransferModule::textLengthCoversNulCharacters()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setVersionText(QByteArray("V2.2\0tail", 9));
    const Result result = open(server.versionAddress(), 5000, 1024);
    QVERIFY(result.ok);
    QCOMPARE(result.text, QByteArray("V2.2\0tail", 9));
}

void TestTransferModule::refusesUnusableArguments_data()
{
    QTest::addColumn<QByteArray>("url"); // null: a null pointer
    QTest::addColumn<int>("sizeCap");
    QTest::newRow("null address") << QByteArray() << 1024;
    QTest::newRow("empty address") << QByteArray("") << 1024;
    QTest::newRow("no scheme") << QByteArray("127.0.0.1/x") << 1024;
    QTest::newRow("local file") << QByteArray("file:///etc/hostname") << 1024;
    QTest::newRow("negative cap") << QByteArray("http://127.0.0.1:1/") << -1;
}

void TestTransferModule::refusesUnusableArguments()
{
    QFETCH(QByteArray, url);
    QFETCH(int, sizeCap);
    int length = -1;
    char* text = m_openUrl(url.isNull() ? nullptr : url.constData(), 1000, sizeCap, &length);
    QVERIFY(text == nullptr);
    QCOMPARE(length, 0);
    m_free(nullptr); // harmless, like free()
}

QTEST_GUILESS_MAIN(TestTransferModule)
#include "tst_transfermodule.moc"
