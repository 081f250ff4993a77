#include "status/timeout.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TimeoutTest final : public QObject
{
    Q_OBJECT
private slots:
    void argumentAsSeconds_data();
    void argumentAsSeconds();
    void waitsAtLeastTheIntervalAndHandlesEvents();
    void zeroOrNothingReturnsAtOnceWithoutHandlingEvents_data();
    void zeroOrNothingReturnsAtOnceWithoutHandlingEvents();
    void nestedWaitInsideARunningOne();
};

void TimeoutTest::argumentAsSeconds_data()
{
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<double>("seconds");
    QTest::newRow("double 0.1") << QVariant(0.1) << 0.1;
    QTest::newRow("text 0.1") << QVariant(QStringLiteral("0.1")) << 0.1;
    QTest::newRow("text with unit") << QVariant(QStringLiteral("0.25s")) << 0.25;
    QTest::newRow("text abc") << QVariant(QStringLiteral("abc")) << 0.0;
    QTest::newRow("negative") << QVariant(-1.0) << -1.0;
    QTest::newRow("comma is no decimal point") << QVariant(QStringLiteral("0,5")) << 0.0;
}

void TimeoutTest::argumentAsSeconds()
{
    QFETCH(QVariant, argument);
    QFETCH(double, seconds);
    QCOMPARE(TimeoutArgument::seconds(argument), seconds);
}

void TimeoutTest::waitsAtLeastTheIntervalAndHandlesEvents()
{
    bool handled = false;
    QTimer::singleShot(20, this, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    Timeout(0.1);
    QVERIFY2(clock.elapsed() >= 100, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(handled);
}

void TimeoutTest::zeroOrNothingReturnsAtOnceWithoutHandlingEvents_data()
{
    QTest::addColumn<QVariant>("argument");
    QTest::newRow("0") << QVariant(0);
    QTest::newRow("negative") << QVariant(-0.5);
    QTest::newRow("abc") << QVariant(QStringLiteral("abc"));
}

void TimeoutTest::zeroOrNothingReturnsAtOnceWithoutHandlingEvents()
{
    QFETCH(QVariant, argument);
    bool handled = false;
    QTimer::singleShot(0, this, [&] { handled = true; });
    Timeout(argument);
    QVERIFY(!handled);
    QTRY_VERIFY(handled); // it was only waiting for the event loop
}

void TimeoutTest::nestedWaitInsideARunningOne()
{
    QElapsedTimer clock;
    clock.start();
    qint64 innerEnded = -1;
    QTimer::singleShot(30, this, [&] {
        Timeout(0.2);
        innerEnded = clock.elapsed();
    });
    Timeout(0.1);
    // The outer wait returns only after the nested one it contains has ended.
    QVERIFY(innerEnded >= 230);
    QVERIFY(clock.elapsed() >= innerEnded);
}

QTEST_GUILESS_MAIN(TimeoutTest)
#include "tst_timeout.moc"
