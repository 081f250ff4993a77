#include "contacts/contactlistmodel.h"
#include "fakes.h"
#include "platform/statusbrowser.h"
#include "standinserver.h"
#include "status/refreshcycle.h"

#include <QtTest>

// The refresh against a local stand-in of the presence service.
class RefreshCycleTest final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cycles_data();
    void cycles();
    void serverThatNeverAnswersEndsOffline();
    void changesDuringARefresh_data();
    void changesDuringARefresh();
    void ignoredAddress_data();
    void ignoredAddress();

private:
    void add(const QString& number, const QString& remark) { m_list->append(number, remark); }
    QStringList statusTargets() const;

    StandinServer* m_server = nullptr;
    ContactListModel* m_list = nullptr;
    StatusBrowser* m_browser = nullptr;
    FakeMessageBoxes* m_boxes = nullptr;
    RefreshCycle* m_cycle = nullptr;
    QStringList m_statusTexts;
};

void RefreshCycleTest::init()
{
    m_server = new StandinServer;
    QVERIFY(m_server->listen());
    m_list = new ContactListModel;
    m_browser = new StatusBrowser;
    m_boxes = new FakeMessageBoxes;
    m_statusTexts.clear();
    m_cycle = new RefreshCycle(*m_list, *m_browser, *m_boxes,
                               [this](const QString& text) { m_statusTexts << text; });
    m_cycle->setHosts(m_server->host(), m_server->host());
}

void RefreshCycleTest::cleanup()
{
    delete m_cycle;
    delete m_boxes;
    delete m_browser;
    delete m_list;
    delete m_server;
}

QStringList RefreshCycleTest::statusTargets() const
{
    QStringList targets;
    for (const StandinServer::Request& request : m_server->requests())
        if (request.target.startsWith(QLatin1String("/pa?")))
            targets << request.target;
    return targets;
}

void RefreshCycleTest::cycles_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QList<qint16>>("icons");
    QTest::addColumn<QStringList>("statusTexts");
    const QString wait = QStringLiteral("执行刷新操作,请勿操作..");
    QTest::newRow("mixed list from the menu")
        << QStringList({"10001", "20002", "10001", "12 34", "30003"}) << true
        << QList<qint16>({2, 1, 2, 1, 2})
        << QStringList({wait, "列表刷新完毕,当前共有5个QQ,在线:3个,离线:2个"});
    QTest::newRow("one entry from a dialog")
        << QStringList("30003") << false << QList<qint16>({2})
        << QStringList("列表刷新完毕,当前共有1个QQ,在线:1个,离线:0个");
    QTest::newRow("empty list") << QStringList() << true << QList<qint16>()
                                << QStringList("当前没有QQ,请添加!");
}

void RefreshCycleTest::cycles()
{
    QFETCH(QStringList, numbers);
    QFETCH(bool, fromMenu);
    QFETCH(QList<qint16>, icons);
    QFETCH(QStringList, statusTexts);
    m_server->setOnline({QStringLiteral("10001"), QStringLiteral("30003")});
    for (const QString& number : numbers)
        add(number, QStringLiteral("友") + number);
    // While entry i is asked for, the entries after it still show "checking".
    QList<QList<qint16>> seen;
    connect(m_server, &StandinServer::requestArrived, this, [&](const QString& target) {
        if (!target.startsWith(QLatin1String("/pa?")))
            return; // the browser also fetches the image it was sent on to
        QList<qint16> now;
        for (int position = 1; position <= m_list->count(); ++position)
            now << m_list->at(position).icon;
        seen << now;
    });
    m_cycle->run(fromMenu);

    QStringList expectedTargets;
    for (QString number : numbers)
        expectedTargets << QStringLiteral("/pa?p=1:%1:9").arg(number.replace(' ', "%20"));
    QCOMPARE(statusTargets(), expectedTargets); // in list order, the number unchanged
    qint64 previousAnswer = -1;                 // one request at a time
    for (const StandinServer::Request& request : m_server->requests()) {
        QVERIFY(request.arrivedMs >= previousAnswer);
        previousAnswer = request.answeredMs;
    }
    for (int position = 1; position <= icons.size(); ++position) {
        const ContactEntry& entry = m_list->at(position);
        QCOMPARE(entry.icon, icons.at(position - 1));
        QCOMPARE(entry.smallIcon, icons.at(position - 1));
        QCOMPARE(entry.text, entry.remark);
        QCOMPARE(seen.value(position - 1).mid(position - 1),
                 QList<qint16>(icons.size() - position + 1, ContactEntry::Checking));
    }
    QCOMPARE(m_statusTexts, statusTexts);
    QCOMPARE(m_boxes->shown.size(), numbers.isEmpty() ? 1 : 0);
}

void RefreshCycleTest::serverThatNeverAnswersEndsOffline()
{
    m_browser->setTimeLimit(600);
    m_server->setOnline({QStringLiteral("11111"), QStringLiteral("33333")});
    m_server->setFault(StandinServer::Fault::Never, {QStringLiteral("22222")});
    add(QStringLiteral("11111"), QStringLiteral("甲"));
    add(QStringLiteral("22222"), QStringLiteral("乙"));
    add(QStringLiteral("33333"), QStringLiteral("丙"));
    m_cycle->run(false);
    QCOMPARE(m_list->at(2).icon, qint16(ContactEntry::Offline));
    QCOMPARE(m_list->at(3).icon, qint16(ContactEntry::Online));
    QCOMPARE(m_statusTexts.last(), QStringLiteral("列表刷新完毕,当前共有3个QQ,在线:2个,离线:1个"));
}

void RefreshCycleTest::changesDuringARefresh_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("entriesAfter");
    QTest::newRow("delete the entry being checked") << "delete-current" << 3;
    QTest::newRow("delete the last entry") << "delete-last" << 3;
    QTest::newRow("clear the list") << "clear" << 0;
    QTest::newRow("nested refresh") << "nested" << 4;
    QTest::newRow("add an entry") << "add" << 5;
}

void RefreshCycleTest::changesDuringARefresh()
{
    QFETCH(QString, change);
    QFETCH(int, entriesAfter);
    m_server->setDelay(150);
    m_server->setOnline({QStringLiteral("10002")});
    for (int i = 1; i <= 4; ++i)
        add(QStringLiteral("1000%1").arg(i), QStringLiteral("友%1").arg(i));
    bool done = false;
    connect(m_server, &StandinServer::requestArrived, this, [&] {
        if (done || m_cycle->CheckIndex != 2)
            return;
        done = true;
        // The change runs inside the refresh's wait, as a menu command would.
        QTimer::singleShot(0, this, [&] {
            if (change == QLatin1String("delete-current"))
                m_list->remove(2);
            else if (change == QLatin1String("delete-last"))
                m_list->remove(4);
            else if (change == QLatin1String("clear"))
                m_list->clear();
            else if (change == QLatin1String("nested")) {
                m_server->setDelay(0); // answers within the wait: the outer cycle counts them too
                m_cycle->run(true);
            } else
                add(QStringLiteral("55555"), QStringLiteral("新"));
        });
    });
    QElapsedTimer clock;
    clock.start();
    m_cycle->run(true);
    QVERIFY(done);
    QVERIFY2(clock.elapsed() < 8000, "the refresh ended without waiting for the time limit");
    QCOMPARE(m_list->count(), entriesAfter);
    if (entriesAfter == 0)
        return;
    // Whatever was changed, the entries the refresh reached show a result, not "checking".
    for (int position = 1; position <= qMin(m_list->count(), 4); ++position)
        QVERIFY2(m_list->at(position).icon != ContactEntry::Checking ||
                     change == QLatin1String("add"),
                 qPrintable(QString::number(position)));
    QVERIFY(m_statusTexts.last().startsWith(QStringLiteral("列表刷新完毕,当前共有")));
    if (change == QLatin1String("nested")) {
        // The nested cycle counted all four; the outer one went on with 3 and 4 and added them.
        QCOMPARE(m_statusTexts.last(),
                 QStringLiteral("列表刷新完毕,当前共有4个QQ,在线:1个,离线:5个"));
    }
}

void RefreshCycleTest::ignoredAddress_data()
{
    QTest::addColumn<bool>("duringRefresh");
    QTest::newRow("before any refresh") << false;
    QTest::newRow("during a refresh") << true;
}

void RefreshCycleTest::ignoredAddress()
{
    QFETCH(bool, duringRefresh);
    add(QStringLiteral("12345"), QStringLiteral("甲"));
    if (!duringRefresh) {
        m_cycle->classify(QStringLiteral("http:///"));
        QCOMPARE(m_list->at(1).icon, qint16(ContactEntry::Offline));
        QCOMPARE(m_list->at(1).smallIcon, qint16(ContactEntry::Online)); // still the new state
        // A real answer with no position set names no entry and changes nothing either.
        m_cycle->classify(m_server->onlineImageAddress());
        QCOMPARE(m_list->at(1).smallIcon, qint16(ContactEntry::Online));
        QVERIFY(m_statusTexts.isEmpty());
        return;
    }
    m_server->setDelay(200);
    QTimer::singleShot(50, this, [&] {
        QCOMPARE(m_list->at(1).icon, qint16(ContactEntry::Checking));
        m_cycle->classify(QStringLiteral("http:///"));
        QCOMPARE(m_list->at(1).icon, qint16(ContactEntry::Checking));
        QCOMPARE(m_list->at(1).text, QStringLiteral("正在检测"));
    });
    m_cycle->run(false);
    QCOMPARE(m_cycle->OfflineCount, qint16(1));
    QCOMPARE(m_statusTexts,
             QStringList(QStringLiteral("列表刷新完毕,当前共有1个QQ,在线:0个,离线:1个")));
}

QTEST_GUILESS_MAIN(RefreshCycleTest)
#include "tst_refreshcycle.moc"
