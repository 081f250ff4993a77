#include "skinattach.h"

#include <QLibrary>
#include <QTest>

// A process with only a core application (a tool, a service) has no widgets to skin: the module
// must say so rather than crash.
class TestSkinNoApp final : public QObject
{
    Q_OBJECT

private slots:
    void refusesWithoutWidgetApplication()
    {
        QLibrary module(QStringLiteral(SKIN_MODULE_PATH));
        QVERIFY2(module.load(), qPrintable(module.errorString()));
        const auto attach =
            reinterpret_cast<SkinAttach::Function>(module.resolve(SkinAttach::entryPoint));
        QVERIFY(attach);
        QCOMPARE(attach(SKIN_FILE_PATH, ""), int(SkinAttach::NoApplication));
    }
};

QTEST_GUILESS_MAIN(TestSkinNoApp)
#include "tst_skinnoapp.moc"
