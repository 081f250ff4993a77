#include "config/addresses.h"
#include "fakes.h"
#include "platform/transfer.h"
#include "programfolderfixture.h"
#include "standinserver.h"
#include "update/updatecheck.h"

#include <QtTest>

namespace {
// One version check against a local stand-in of the maker's site, through the transfer module
// the program writes into its folder, with every answer of the program recorded in one journal.
struct CheckRig
{
    ProgramFolderFixture folder;
    StandinServer server;
    Journal journal;
    FakeMessageBoxes boxes{&journal};
    FakeLauncher launcher{&journal};
    FakeProgramEnd end{&journal};
    ModuleTransfer transfer{folder.file(QStringLiteral("MSINET.OCX"))};
    UpdateCheck update{boxes, launcher, end};
    QStringList statusTexts;
    int current = 0;

    CheckRig()
    {
        server.listen();
        update.setVersionAddress(server.versionAddress());
    }
    void run()
    {
        update.run(
            transfer, [this](const QString& text) { statusTexts << text; }, [this] { ++current; });
    }
};

const QStringList failure = {QStringLiteral("box:检测更新失败!请您稍后再试"),
                             QStringLiteral("end:now")};
} // namespace

class UpdateCheckTest final : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void tickDuringPendingCheckStartsNoSecondCheck();
};

void UpdateCheckTest::answers_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QString>("server"); // how the site misbehaves, if at all
    QTest::addColumn<QStringList>("journal");

    const QString newer = QStringLiteral("box:发现最新版本![%1]\r\n \r\n确定后自动打开更新地址!");
    const QString forum =
        QStringLiteral("command:") + Addresses::forumCommand() + QStringLiteral(":2");
    auto newerRow = [&](const QString& answer) {
        return QStringList({newer.arg(answer), forum, "end:now"});
    };
    QTest::newRow("V2.2") << QByteArray("V2.2") << "" << QStringList();
    QTest::newRow("V2.2 and a line break") << QByteArray("V2.2\r\n") << "" << newerRow("V2.2\r\n");
    QTest::newRow("lower-case v") << QByteArray("v2.2") << "" << newerRow("v2.2");
    QTest::newRow("V2.3") << QByteArray("V2.3") << "" << newerRow("V2.3");
    QTest::newRow("Chinese text") << QByteArray("\xd0\xc2\xb0\xe6") << "" << newerRow("新版");
    QTest::newRow("empty file") << QByteArray() << "" << failure;
    QTest::newRow("error page") << QByteArray("V2.2") << "missing"
                                << newerRow("<html><body><h1>404 Not Found</h1></body></html>\n");
    QTest::newRow("no server") << QByteArray("V2.2") << "gone" << failure;
    QTest::newRow("never answers") << QByteArray("V2.2") << "silent" << failure;
}

void UpdateCheckTest::answers()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, server);
    QFETCH(QStringList, journal);
    CheckRig rig;
    QVERIFY(rig.transfer.isLoaded());
    rig.server.setVersionText(versionFile);
    rig.server.setVersionFileMissing(server == QLatin1String("missing"));
    if (server == QLatin1String("gone")) // nobody listens on port 0
        rig.update.setVersionAddress(Addresses::versionFile(StandinServer().host()));
    if (server == QLatin1String("silent")) {
        rig.server.setFault(StandinServer::Fault::Never);
        rig.transfer.setTimeLimit(700); // the transfer's limit ends the wait
    }
    rig.run();

    QCOMPARE(rig.journal.lines, journal);
    QCOMPARE(rig.current, journal.isEmpty() ? 1 : 0);
    for (const ShownBox& box : rig.boxes.shown) {
        QCOMPARE(box.title, QStringLiteral("Zeph系列软件"));
        QCOMPARE(box.style, box.text.startsWith(QStringLiteral("检测")) ? 48 : 64);
    }
    QCOMPARE(rig.statusTexts,
             journal == failure ? QStringList() : QStringList(QStringLiteral("程序已加载完毕...")));
}

void UpdateCheckTest::tickDuringPendingCheckStartsNoSecondCheck()
{
    CheckRig rig;
    rig.server.setDelay(300);
    QTimer ticks;
    int ticked = 0;
    connect(&ticks, &QTimer::timeout, this, [&] {
        ++ticked;
        QVERIFY(rig.update.isRunning());
        rig.run();
    });
    ticks.start(50);
    rig.run();
    ticks.stop();
    QVERIFY(ticked >= 2);
    QCOMPARE(rig.server.requests().size(), 1);
    QCOMPARE(rig.current, 1);
}

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "tst_updatecheck.moc"
