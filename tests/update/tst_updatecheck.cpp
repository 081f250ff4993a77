#include "config/addresses.h"
#include "fakes.h"
#include "platform/transfer.h"
#include "programfolderfixture.h"
#include "standinserver.h"
#include "update/updatecheck.h"

#include <QtTest>

// The version check against a local stand-in of the maker's site, through the transfer module
// the program writes into its folder.
class UpdateCheckTest final : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void noServer();
    void serverThatNeverAnswers();
    void tickDuringPendingCheckStartsNoSecondCheck();

private:
    struct Run
    {
        Journal journal;
        QStringList statusTexts;
        int current = 0;
    };
    void check(UpdateCheck& check, Transfer& transfer, Run& run)
    {
        check.run(
            transfer, [&](const QString& text) { run.statusTexts << text; },
            [&] { ++run.current; });
    }
};

void UpdateCheckTest::answers_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<bool>("goesOn");

    const QString newer = QStringLiteral("box:发现最新版本![%1]\r\n \r\n确定后自动打开更新地址!");
    const QString forum =
        QStringLiteral("command:") + Addresses::forumCommand() + QStringLiteral(":2");
    QTest::newRow("V2.2") << QByteArray("V2.2") << false << QStringList() << true;
    QTest::newRow("V2.2 and a line break")
        << QByteArray("V2.2\r\n") << false
        << QStringList({newer.arg(QStringLiteral("V2.2\r\n")), forum, "end:now"}) << false;
    QTest::newRow("lower-case v") << QByteArray("v2.2") << false
                                  << QStringList(
                                         {newer.arg(QStringLiteral("v2.2")), forum, "end:now"})
                                  << false;
    QTest::newRow("V2.3") << QByteArray("V2.3") << false
                          << QStringList({newer.arg(QStringLiteral("V2.3")), forum, "end:now"})
                          << false;
    QTest::newRow("Chinese text") << QByteArray("\xd0\xc2\xb0\xe6") << false
                                  << QStringList(
                                         {newer.arg(QStringLiteral("新版")), forum, "end:now"})
                                  << false;
    QTest::newRow("empty file") << QByteArray() << false
                                << QStringList({"box:检测更新失败!请您稍后再试", "end:now"})
                                << false;
    QTest::newRow("no file") << QByteArray("V2.2") << true
                             << QStringList({"box:检测更新失败!请您稍后再试", "end:now"}) << false;
}

void UpdateCheckTest::answers()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(bool, missing);
    QFETCH(QStringList, journal);
    QFETCH(bool, goesOn);

    ProgramFolderFixture folder;
    StandinServer server;
    QVERIFY(server.listen());
    server.setVersionText(versionFile);
    server.setVersionFileMissing(missing);

    Run run;
    FakeMessageBoxes boxes(&run.journal);
    FakeLauncher launcher(&run.journal);
    FakeProgramEnd end(&run.journal);
    ModuleTransfer transfer(folder.file(QStringLiteral("MSINET.OCX")));
    QVERIFY(transfer.isLoaded());
    UpdateCheck update(boxes, launcher, end);
    update.setVersionAddress(server.versionAddress());
    check(update, transfer, run);

    QCOMPARE(run.journal.lines, journal);
    QCOMPARE(run.current, goesOn ? 1 : 0);
    for (const ShownBox& box : boxes.shown) {
        QCOMPARE(box.title, QStringLiteral("Zeph系列软件"));
        QCOMPARE(box.style, box.text.startsWith(QStringLiteral("检测")) ? 48 : 64);
    }
    const bool failed = journal.value(0).startsWith(QStringLiteral("box:检测"));
    QCOMPARE(run.statusTexts,
             failed ? QStringList() : QStringList(QStringLiteral("程序已加载完毕...")));
}

void UpdateCheckTest::noServer()
{
    ProgramFolderFixture folder;
    quint16 unused;
    {
        StandinServer server;
        QVERIFY(server.listen());
        unused = server.port();
    }
    Run run;
    FakeMessageBoxes boxes(&run.journal);
    FakeLauncher launcher(&run.journal);
    FakeProgramEnd end(&run.journal);
    ModuleTransfer transfer(folder.file(QStringLiteral("MSINET.OCX")));
    UpdateCheck update(boxes, launcher, end);
    update.setVersionAddress(Addresses::versionFile(QStringLiteral("127.0.0.1:%1").arg(unused)));
    check(update, transfer, run);
    QCOMPARE(run.journal.lines, QStringList({"box:检测更新失败!请您稍后再试", "end:now"}));
}

void UpdateCheckTest::serverThatNeverAnswers()
{
    ProgramFolderFixture folder;
    StandinServer server;
    QVERIFY(server.listen());
    server.setFault(StandinServer::Fault::Never);
    Run run;
    FakeMessageBoxes boxes(&run.journal);
    FakeLauncher launcher(&run.journal);
    FakeProgramEnd end(&run.journal);
    ModuleTransfer transfer(folder.file(QStringLiteral("MSINET.OCX")));
    transfer.setTimeLimit(700);
    UpdateCheck update(boxes, launcher, end);
    update.setVersionAddress(server.versionAddress());
    QElapsedTimer clock;
    clock.start();
    check(update, transfer, run);
    QVERIFY(clock.elapsed() >= 600);
    QCOMPARE(run.journal.lines, QStringList({"box:检测更新失败!请您稍后再试", "end:now"}));
}

void UpdateCheckTest::tickDuringPendingCheckStartsNoSecondCheck()
{
    ProgramFolderFixture folder;
    StandinServer server;
    QVERIFY(server.listen());
    server.setDelay(300);
    Run run;
    FakeMessageBoxes boxes(&run.journal);
    FakeLauncher launcher(&run.journal);
    FakeProgramEnd end(&run.journal);
    ModuleTransfer transfer(folder.file(QStringLiteral("MSINET.OCX")));
    UpdateCheck update(boxes, launcher, end);
    update.setVersionAddress(server.versionAddress());
    QTimer ticks;
    int ticked = 0;
    connect(&ticks, &QTimer::timeout, this, [&] {
        ++ticked;
        QVERIFY(update.isRunning());
        check(update, transfer, run);
    });
    ticks.start(50);
    check(update, transfer, run);
    ticks.stop();
    QVERIFY(ticked >= 2);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(run.current, 1);
}

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "tst_updatecheck.moc"
