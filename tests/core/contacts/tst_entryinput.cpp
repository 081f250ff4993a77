#include "core/contacts/entryinput.h"

#include <QTest>

using Verdict = EntryInput::Verdict;

// The check on OK of the entry dialog: complete, 5 to 11 characters, a number as people write one.
class TstEntryInput final : public QObject
{
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<Verdict>("verdict");
        const auto row = [](const char* name, const QString& number, const QString& remark,
                            Verdict verdict) {
            QTest::newRow(name) << number << remark << verdict;
        };
        row("5 digits", "12345", "甲", Verdict::Ok);
        row("11 digits", "12345678901", "甲", Verdict::Ok);
        row("decimal point", "12345.6", "甲", Verdict::Ok);
        row("sign", "-12345", "甲", Verdict::Ok);
        row("remark of a blank", "12345", " ", Verdict::Ok);
        row("no remark", "12345", "", Verdict::Incomplete);
        row("no number, long remark", "", "甲乙丙丁戊己庚", Verdict::Incomplete);
        row("4 characters", "1234", "甲", Verdict::BadNumber);
        row("12 characters", "123456789012", "甲", Verdict::BadNumber);
        row("a letter at the end", "1234a", "甲", Verdict::BadNumber);
        row("blank inside", "123 45", "甲", Verdict::BadNumber);
        row("full-width digits", "１２３４５", "甲", Verdict::BadNumber);
    }
    void check()
    {
        QFETCH(QString, number);
        QFETCH(QString, remark);
        QFETCH(Verdict, verdict);
        QCOMPARE(EntryInput::check(number, remark), verdict);
    }
};

QTEST_APPLESS_MAIN(TstEntryInput)
#include "tst_entryinput.moc"
