#include "gui/desktop/widgetmessageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

// However long the text (a version answer may be a whole megabyte), the box fits on the screen,
// its text can all be read and its button is within reach.
class TstWidgetMessageBoxes final : public QObject
{
    Q_OBJECT
private slots:
    void fitsTheScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("three lines") << "感谢!\r \r是否退出?";
        QTest::newRow("1 MiB on one line") << QString(1 << 20, u'长');
        QTest::newRow("5000 lines") << QString("一行\r\n").repeated(5000);
    }
    void fitsTheScreen()
    {
        QFETCH(QString, text);
        QRect box;
        QRect screen;
        QString readable;
        QTimer::singleShot(100, this, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            box = shown->frameGeometry();
            screen = shown->screen()->availableGeometry();
            readable = shown->text();
            for (const QPlainTextEdit* view : shown->findChildren<QPlainTextEdit*>())
                readable += view->toPlainText();
            shown->buttons().first()->click();
        });
        QCOMPARE(WidgetMessageBoxes().ask(text, BoxIcon::Information, BoxButtons::Ok),
                 BoxAnswer::Ok);
        QVERIFY2(screen.contains(box),
                 qPrintable(QStringLiteral("%1 × %2").arg(box.width()).arg(box.height())));
        QVERIFY(readable.contains(QString(text).replace("\r\n", "\n").replace('\r', '\n')));
    }
};

QTEST_MAIN(TstWidgetMessageBoxes)
#include "tst_widgetmessageboxes.moc"
