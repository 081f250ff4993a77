// The refresh of the whole list against a status browser that answers by script.

#include "core/contacts/contactlistmodel.h"
#include "core/status/refreshcycle.h"
#include "fakes.h"

#include <QSignalSpy>
#include <QTest>

using State = ContactEntry::State;
Q_DECLARE_METATYPE(QList<State>)

namespace {
const QString Online = Addresses::onlineImage(BuildConfig::ImageHost);

struct Rig
{
    ContactListModel list;
    FakeStatusBrowser browser;
    RefreshCycle refresh{list, browser};
    QStringList status;
    int noEntries = 0;

    explicit Rig(const QStringList& numbers)
    {
        for (const QString& number : numbers)
            list.append(ContactEntry::made(number, "备注" + number));
        QObject::connect(&refresh, &RefreshCycle::announced, [this] { status << "announced"; });
        QObject::connect(&refresh, &RefreshCycle::finished, [this](int all, int on, int off) {
            status << QString("%1 %2 %3").arg(all).arg(on).arg(off);
        });
        QObject::connect(&refresh, &RefreshCycle::noEntries, [this] { ++noEntries; });
    }
    QList<State> states() const
    {
        QList<State> all;
        for (int row = 0; row < list.count(); ++row)
            all << list.at(row).state;
        return all;
    }
};

} // namespace

class TstRefreshCycle final : public QObject
{
    Q_OBJECT
private slots:
    // One request at a time, in list order; only the exact online address counts as online.
    void classifies_data()
    {
        QTest::addColumn<QString>("answerOf10002");
        QTest::addColumn<QList<State>>("states");
        QTest::addColumn<QString>("summary"); // entries, online, offline
        const QList<State> oneOnline{State::Online, State::Offline, State::Offline};
        QTest::newRow("online") << Online
                                << QList<State>{State::Online, State::Online, State::Offline}
                                << "3 2 1";
        QTest::newRow("host in upper case") << Online.toUpper() << oneOnline << "3 1 2";
        QTest::newRow("query appended") << Online + "?x=1" << oneOnline << "3 1 2";
        QTest::newRow("request failed") << "about:neterror" << oneOnline << "3 1 2";
    }
    void classifies()
    {
        QFETCH(QString, answerOf10002);
        QFETCH(QList<State>, states);
        QFETCH(QString, summary);
        Rig rig({"10001", "10002", "12 34"});
        rig.browser.setOnline({"10001"});
        rig.browser.answers["10002"] = answerOf10002;
        rig.browser.delayMs = 20;
        rig.browser.duringRequest = [&](const QString& number) {
            if (number == "10002") // the entries behind are still being checked
                QCOMPARE(rig.list.at(2).state, State::Checking);
        };
        rig.refresh.run(RefreshCycle::Announce::Yes);
        QCOMPARE(rig.browser.requested, QStringList({"10001", "10002", "12 34"}));
        QCOMPARE(rig.browser.overlapping, 0);
        QCOMPARE(rig.states(), states);
        QCOMPARE(rig.list.at(2).text, QStringLiteral("备注12 34"));
        QCOMPARE(rig.status, QStringList({"announced", summary}));
    }

    void emptyListAsksNothing()
    {
        Rig rig({});
        rig.refresh.run(RefreshCycle::Announce::Yes);
        QCOMPARE(rig.noEntries, 1);
        QVERIFY(rig.browser.requested.isEmpty() && rig.status.isEmpty());
    }

    // What the user does while the second of three entries is being checked; the refresh always
    // comes to its end.
    void changesDuringTheWait_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("requested");
        QTest::addColumn<QStringList>("status"); // summaries: entries, online, offline
        QTest::newRow("entry deleted") << "delete" << QStringList{"a", "b"} << QStringList{"2 1 1"};
        QTest::newRow("list cleared") << "clear" << QStringList{"a", "b"} << QStringList();
        QTest::newRow("second refresh") << "refresh" << QStringList{"a", "b", "a", "b", "c", "c"}
                                        << QStringList{"3 1 2", "3 1 3"};
        // The new entry is left to the next refresh; as the last one it is never "being checked".
        QTest::newRow("entry added")
            << "add" << QStringList{"a", "b", "c"} << QStringList{"4 1 1", "4 1 2"};
    }
    void changesDuringTheWait()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, requested);
        QFETCH(QStringList, status);
        Rig rig({"a", "b", "c"});
        rig.browser.setOnline({"a"});
        bool changed = false;
        rig.browser.duringRequest = [&](const QString& number) {
            if (number != "b" || std::exchange(changed, true))
                return;
            if (change == "delete")
                rig.list.remove(1);
            else if (change == "clear")
                rig.list.clear();
            else if (change == "add")
                rig.list.append(ContactEntry::made("d", "d"));
            else
                rig.refresh.run(RefreshCycle::Announce::No);
        };
        rig.refresh.run(RefreshCycle::Announce::No);
        QCOMPARE(rig.browser.requested, requested);
        QCOMPARE(rig.status, status);
    }
};

QTEST_GUILESS_MAIN(TstRefreshCycle)
#include "tst_refreshcycle.moc"
