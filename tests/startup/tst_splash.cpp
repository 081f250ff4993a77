#include "platform/windoweffects.h"
#include "programfolderfixture.h"
#include "startup/form5.h"

#include <QtTest>

// The splash's fades, driven tick by tick as its timers would, its region and its start.
class SplashTest final : public QObject
{
    Q_OBJECT
private slots:
    void fades_data();
    void fades();
    void secondClickDoesNotRestartTheFadeOut();
    void region_data();
    void region();
    void startWritesRuntimeFilesAndWaitsForAClick();
};

void SplashTest::fades_data()
{
    QTest::addColumn<int>("ticksBeforeClick");
    QTest::addColumn<QList<int>>("shown");
    QList<int> fadeIn;
    for (int alpha = 0; alpha <= 240; alpha += 15)
        fadeIn << alpha;
    fadeIn << 255;
    QList<int> fadeOut(fadeIn.rbegin(), fadeIn.rend());
    QTest::newRow("click after the fade-in") << 18 << fadeIn + fadeOut;
    // The fade-out starts from its own counter: fully opaque first, then down.
    QTest::newRow("click at opacity 90") << 7 << fadeIn.mid(0, 7) + fadeOut;
    QTest::newRow("click at once") << 0 << fadeOut;
}

void SplashTest::fades()
{
    QFETCH(int, ticksBeforeClick);
    QFETCH(QList<int>, shown);
    ProgramFolderFixture folder(false);
    int handOvers = 0;
    QList<int> seen;
    Form5 splash([&] { ++handOvers; });
    for (int i = 0; i < ticksBeforeClick; ++i) {
        splash.Timer1_Timer();
        seen << splash.opacity();
    }
    QCOMPARE(splash.fadingIn(), ticksBeforeClick < 18);
    splash.Form_Click();
    QVERIFY(!splash.fadingIn() && splash.fadingOut());
    for (int i = 0; i < 18; ++i) {
        QCOMPARE(handOvers, 0);
        splash.Timer2_Timer();
        seen << splash.opacity();
    }
    QCOMPARE(seen, shown);
    QCOMPARE(handOvers, 1); // on the tick that shows 0
}

void SplashTest::secondClickDoesNotRestartTheFadeOut()
{
    ProgramFolderFixture folder(false);
    int handOvers = 0;
    Form5 splash([&] { ++handOvers; });
    splash.Form_Click();
    for (int i = 0; i < 9; ++i)
        splash.Timer2_Timer();
    const int halfway = splash.opacity();
    splash.Form_Click();
    splash.Timer2_Timer();
    QCOMPARE(splash.opacity(), halfway - 15);
    for (int i = 0; i < 8; ++i)
        splash.Timer2_Timer();
    QCOMPARE(handOvers, 1);
}

void SplashTest::region_data()
{
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<QSize>("size");
    QTest::newRow("96 dpi") << 15.0 << QSize(600, 395);
    QTest::newRow("120 dpi, 493.75 rounds up") << 12.0 << QSize(750, 494);
    QTest::newRow("halves to even") << 3600.0 << QSize(2, 2); // 2.5 and 1.646 → 2 and 2
}

void SplashTest::region()
{
    QFETCH(double, twipsPerPixel);
    QFETCH(QSize, size);
    const QSize pixels(WindowEffects::twipsToPixels(9000, twipsPerPixel),
                       WindowEffects::twipsToPixels(5925, twipsPerPixel));
    QCOMPARE(pixels, size);
    if (size.width() < 100)
        return;
    const QRegion region = WindowEffects::roundRectRegion(size.width(), size.height(), 50, 50);
    QCOMPARE(region.boundingRect(), QRect(QPoint(), size));
    const int w = size.width() - 1;
    const int h = size.height() - 1;
    for (const QPoint cut : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h), QPoint(5, 5)})
        QVERIFY(!region.contains(cut)); // the corner ellipses are 50 × 50
    for (const QPoint kept : {QPoint(25, 0), QPoint(0, 25), QPoint(20, 20), QPoint(w - 25, h)})
        QVERIFY(region.contains(kept));
}

void SplashTest::startWritesRuntimeFilesAndWaitsForAClick()
{
    ProgramFolderFixture folder(false);
    int handOvers = 0;
    Form5 splash([&] { ++handOvers; });
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 7);
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.roundedRegion().boundingRect(), QRect(0, 0, 600, 395));
    QTRY_VERIFY_WITH_TIMEOUT(!splash.fadingIn(), 5000);
    QCOMPARE(splash.opacity(), 255);
    QTest::qWait(200);
    QCOMPARE(handOvers, 0); // no click, no hand-over
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
