#include "config/addresses.h"
#include "core/contacts/entryinput.h"

#include <QTest>

using Verdict = EntryInput::Verdict;

// The check on OK of the entry dialog: complete, 5 to 11 characters, a number as people write one.
// Whatever the check says, a list file may hold any number: its chat address keeps only ASCII
// letters and digits as they are, so that the QQ client's handler gets it as one argument.
class TstEntryInput final : public QObject
{
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("uin"); // what the chat address has after "uin="
        const auto row = [](const char* name, const QString& number, const QString& remark,
                            Verdict verdict, const char* uin = nullptr) {
            QTest::newRow(name) << number << remark << verdict << (uin ? uin : number);
        };
        row("5 digits", "12345", "甲", Verdict::Ok);
        row("11 digits", "12345678901", "甲", Verdict::Ok);
        row("decimal point", "12345.6", "甲", Verdict::Ok, "12345%2E6");
        row("sign", "-12345", "甲", Verdict::Ok, "%2D12345");
        row("remark of a blank", "12345", " ", Verdict::Ok);
        row("no remark", "12345", "", Verdict::Incomplete);
        row("no number, long remark", "", "甲乙丙丁戊己庚", Verdict::Incomplete);
        row("4 characters", "1234", "甲", Verdict::BadNumber);
        row("12 characters", "123456789012", "甲", Verdict::BadNumber);
        row("a letter at the end", "1234a", "甲", Verdict::BadNumber);
        row("blank inside", "123 45", "甲", Verdict::BadNumber, "123%2045");
        row("quotes and a percent", "1\" -x \"%", "甲", Verdict::BadNumber, "1%22%20%2Dx%20%22%25");
        row("full-width digits", "１２３４５", "甲", Verdict::BadNumber,
            "%EF%BC%91%EF%BC%92%EF%BC%93%EF%BC%94%EF%BC%95");
    }
    void check()
    {
        QFETCH(QString, number);
        QFETCH(QString, remark);
        QFETCH(Verdict, verdict);
        QFETCH(QString, uin);
        QCOMPARE(EntryInput::check(number, remark), verdict);
        QCOMPARE(Addresses::chat(number), "tencent://message/?uin=" + uin);
    }
};

QTEST_APPLESS_MAIN(TstEntryInput)
#include "tst_entryinput.moc"
