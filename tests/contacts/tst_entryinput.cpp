#include "contacts/entryinput.h"

#include <QtTest>

// The numeric test behind "您输入的QQ号码有误!" and the order of the three checks.
class EntryInputTest final : public QObject
{
    Q_OBJECT
private slots:
    void numeric_data();
    void numeric();
    void check_data();
    void check();
};

void EntryInputTest::numeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("digits") << "12345" << true;
    QTest::newRow("decimal point") << "12345.6" << true;
    QTest::newRow("minus") << "-12345" << true;
    QTest::newRow("trailing sign") << "12345-" << true;
    QTest::newRow("blank before") << " 12345" << true;
    QTest::newRow("digit groups") << "1,234,567" << true;
    QTest::newRow("exponent") << "1e10" << true;
    QTest::newRow("currency sign") << "¥12345" << true;
    QTest::newRow("hexadecimal") << "&H1F2E" << true;
    QTest::newRow("letters") << "abcde" << false;
    QTest::newRow("letter at the end") << "1234a" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("lone sign") << "-" << false;
    QTest::newRow("two signs") << "-123-" << false;
    QTest::newRow("blank inside") << "12 34" << false;
    QTest::newRow("group separator first") << ",123" << false;
    QTest::newRow("octal with 8") << "&O18" << false;
    QTest::newRow("full-width digits") << "１２３４５" << false;
    QTest::newRow("dollar sign") << "$12345" << false;
}

void EntryInputTest::numeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(EntryInput::isNumeric(text), numeric);
}

void EntryInputTest::check_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<int>("verdict");
    const int ok = int(EntryInput::Verdict::Ok);
    const int incomplete = int(EntryInput::Verdict::Incomplete);
    const int bad = int(EntryInput::Verdict::BadNumber);
    QTest::newRow("empty number") << "" << "同学" << incomplete;
    QTest::newRow("empty remark") << "12345" << "" << incomplete;
    QTest::newRow("blank remark is not empty") << "12345" << " " << ok;
    QTest::newRow("4 characters") << "1234" << "同学" << bad;
    QTest::newRow("11 characters") << "12345678901" << "同学" << ok;
    QTest::newRow("12 characters") << "123456789012" << "同学" << bad;
    QTest::newRow("abcde") << "abcde" << "同学" << bad;
    QTest::newRow("12345.6") << "12345.6" << "同学" << ok;
    QTest::newRow("blank before counts") << " 1234" << "同学" << ok;
}

void EntryInputTest::check()
{
    QFETCH(QString, number);
    QFETCH(QString, remark);
    QFETCH(int, verdict);
    QCOMPARE(int(EntryInput::check(number, remark)), verdict);
}

QTEST_APPLESS_MAIN(EntryInputTest)
#include "tst_entryinput.moc"
