#include "fakes.h"
#include "platform/windoweffects.h"
#include "programfolderfixture.h"
#include "startup/form5.h"
#include "startup/splashfade.h"

#include <QtTest>

class SplashTest final : public QObject
{
    Q_OBJECT
private slots:
    void fadeInShowsEighteenSteps();
    void fadeOutShowsEighteenStepsThenHandsOver();
    void clickDuringFadeIn_data();
    void clickDuringFadeIn();
    void secondClickDoesNotRestartFadeOut();
    void noClickStaysOpaque();
    void regionOfTheSplash_data();
    void regionOfTheSplash();
    void loadWritesRuntimeFiles();
};

static QList<int> expectedFadeIn()
{
    QList<int> shown;
    for (int alpha = 0; alpha <= 240; alpha += 15)
        shown << alpha;
    return shown << 255;
}

void SplashTest::fadeInShowsEighteenSteps()
{
    SplashFade fade;
    QList<int> shown;
    for (;;) {
        const SplashFade::Tick tick = fade.fadeInTick();
        shown << tick.opacity;
        if (tick.timerStops)
            break;
        QVERIFY(shown.size() < 100);
    }
    QCOMPARE(shown, expectedFadeIn());
    QCOMPARE(shown.size(), 18);
    QCOMPARE(int(fade.fadeInLevel()), 0); // reset when the fade ends
}

void SplashTest::fadeOutShowsEighteenStepsThenHandsOver()
{
    SplashFade fade;
    QList<int> shown;
    bool handedOver = false;
    while (!handedOver) {
        const SplashFade::Tick tick = fade.fadeOutTick();
        shown << tick.opacity;
        handedOver = tick.timerStops;
        QVERIFY(shown.size() < 100);
    }
    QList<int> expected;
    for (int alpha : expectedFadeIn())
        expected.prepend(alpha);
    QCOMPARE(shown, expected);
    QCOMPARE(shown.last(), 0); // the hand-over happens on the tick that shows 0
}

void SplashTest::clickDuringFadeIn_data()
{
    QTest::addColumn<int>("ticksBeforeClick");
    QTest::addColumn<int>("opacityAtClick");
    QTest::newRow("at 90") << 7 << 90;
    QTest::newRow("at once") << 0 << 0;
    QTest::newRow("after the fade-in") << 18 << 255;
}

void SplashTest::clickDuringFadeIn()
{
    QFETCH(int, ticksBeforeClick);
    QFETCH(int, opacityAtClick);
    ProgramFolderFixture folder(false);
    int handOvers = 0;
    Form5 splash([&] { ++handOvers; });
    for (int i = 0; i < ticksBeforeClick; ++i)
        splash.Timer1_Timer();
    if (ticksBeforeClick)
        QCOMPARE(splash.opacity(), opacityAtClick);
    splash.Form_Click();
    QVERIFY(!splash.fadingIn());
    QVERIFY(splash.fadingOut());
    QList<int> shown;
    for (int i = 0; i < 18; ++i) {
        QCOMPARE(handOvers, 0);
        splash.Timer2_Timer();
        shown << splash.opacity();
    }
    QCOMPARE(shown.first(), 255); // the fade-out starts from its own counter
    QCOMPARE(shown.last(), 0);
    QCOMPARE(handOvers, 1);
    QVERIFY(!splash.fadingOut());
}

void SplashTest::secondClickDoesNotRestartFadeOut()
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

void SplashTest::noClickStaysOpaque()
{
    ProgramFolderFixture folder(false);
    int handOvers = 0;
    Form5 splash([&] { ++handOvers; });
    splash.show();
    QTRY_VERIFY_WITH_TIMEOUT(!splash.fadingIn(), 5000);
    QCOMPARE(splash.opacity(), 255);
    QTest::qWait(300);
    QCOMPARE(splash.opacity(), 255);
    QCOMPARE(handOvers, 0);
}

void SplashTest::regionOfTheSplash_data()
{
    QTest::addColumn<double>("twipsPerPixel");
    QTest::newRow("96 dpi") << 15.0;
    QTest::newRow("120 dpi") << 12.0;
}

void SplashTest::regionOfTheSplash()
{
    QFETCH(double, twipsPerPixel);
    // The design's 9000 × 5925 twips become whole pixels, halves to even.
    const int width = WindowEffects::twipsToPixels(9000, twipsPerPixel);
    const int height = WindowEffects::twipsToPixels(5925, twipsPerPixel);
    if (twipsPerPixel == 15.0) {
        QCOMPARE(width, 600);
        QCOMPARE(height, 395);
    } else {
        QCOMPARE(width, 750);
        QCOMPARE(height, 494); // 493.75
    }
    QCOMPARE(WindowEffects::twipsToPixels(22.5, 15.0), 2); // 1.5 → 2
    QCOMPARE(WindowEffects::twipsToPixels(37.5, 15.0), 2); // 2.5 → 2

    const QRegion region = WindowEffects::roundRectRegion(width, height, 50, 50);
    QCOMPARE(region.boundingRect(), QRect(0, 0, width, height));
    // The corners are cut by ellipses of 50 × 50: their very corner pixels are outside.
    for (const QPoint corner : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1),
                                QPoint(width - 1, height - 1), QPoint(5, 5)})
        QVERIFY2(!region.contains(corner),
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint inside : {QPoint(25, 0), QPoint(0, 25), QPoint(width / 2, height / 2),
                                QPoint(width - 26, height - 1), QPoint(20, 20)})
        QVERIFY2(region.contains(inside),
                 qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
}

void SplashTest::loadWritesRuntimeFiles()
{
    ProgramFolderFixture folder(false);
    Form5 splash([] {});
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 7);
    QCOMPARE(splash.size(), QSize(600, 395));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.roundedRegion().boundingRect(), QRect(0, 0, 600, 395));
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
