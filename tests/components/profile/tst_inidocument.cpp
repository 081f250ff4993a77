#include "inidocument.h"

#include <QTest>

using Sets = QList<QByteArrayList>; // {section, key, value} in the order they are set

class TestIniDocument final : public QObject
{
    Q_OBJECT
private slots:
    void readsLikeTheWindowsReader_data();
    void readsLikeTheWindowsReader();
    void writesOnlyWhatChanged_data();
    void writesOnlyWhatChanged();
};

void TestIniDocument::readsLikeTheWindowsReader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected"); // null: missing

    const auto row = [](const char* tag, const QByteArray& file, const char* section,
                        const char* key, const char* expected) {
        QTest::newRow(tag) << file << QByteArray(section) << QByteArray(key)
                           << (expected ? QByteArray(expected) : QByteArray());
    };
    row("blank lines, LF and CR LF", "\r\n\n[s]\n\n \t \r\nk=v", "s", "k", "v");
    row("blanks around = and line", "[s]\r\n  k \t=  v w \t\r\n", "s", "k", "v w");
    row("comment is no key", "[s]\r\n;k=x\r\nk=v\r\n", "s", "k", "v");
    row("names in any case", "[MEUserData]\r\nIncout=3\r\n", "meuserDATA", "INCOUT", "3");
    row("first of two keys and sections", "[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n", "s", "k",
        "1");
    row("key only in the second section", "[s]\r\nk=1\r\n[S]\r\nj=4\r\n", "s", "j", nullptr);
    row("double quotes keep blanks", "[s]\r\nk=\" x \"\r\n", "s", "k", " x ");
    row("single quotes", "[s]\r\nk='x'\r\n", "s", "k", "x");
    row("quotes that do not match", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'");
    row("empty value", "[s]\r\nk=\r\n", "s", "k", "");
    row("line without =", "[s]\r\nk\r\n", "s", "k", nullptr);
    row("[ without ] opens nothing", "[s]\r\nk=1\r\n[t\r\nj=2\r\n", "s", "j", "2");
    row("value ends at NUL", QByteArray("[s]\r\nk=ab\0cd\r\n", 14), "s", "k", "ab");
    // 0x81 0x5D is one two-byte character whose second byte looks like "]"; 0x81 0x41 and
    // 0x81 0x61 are two characters, not "A" and "a".
    row("] as trail byte in a name", "[a\x81\x5D]\r\nk=1\r\n", "a\x81\x5D", "k", "1");
    row("trail bytes keep their case", "[\x81\x41]\r\nk=1\r\n", "\x81\x61", "k", nullptr);
}

void TestIniDocument::readsLikeTheWindowsReader()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    const QByteArray value = IniDocument(file).value(section, key);
    QCOMPARE(value.isNull(), expected.isNull());
    QCOMPARE(value, expected);
}

void TestIniDocument::writesOnlyWhatChanged_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Sets>("sets");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("key keeps its place")
        << QByteArray("[s]\r\na=1\r\nb=2\r\nc=3\r\n") << Sets{{"s", "B", "9"}}
        << QByteArray("[s]\r\na=1\r\nb=9\r\nc=3\r\n");
    QTest::newRow("new key after the last key of its section")
        << QByteArray("[s]\r\na=1\r\n\r\n; about t\r\n[t]\r\nx=1\r\n") << Sets{{"s", "b", "2"}}
        << QByteArray("[s]\r\na=1\r\nb=2\r\n\r\n; about t\r\n[t]\r\nx=1\r\n");
    QTest::newRow("new sections at the end, in order")
        << QByteArray("[s]\r\na=1") << Sets{{"t", "x", "1"}, {"u", "y", "2"}, {"T", "z", "3"}}
        << QByteArray("[s]\r\na=1\r\n[t]\r\nx=1\r\nz=3\r\n[u]\r\ny=2\r\n");
    QTest::newRow("key=") << QByteArray() << Sets{{"s", "k", ""}} << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("foreign lines kept, LF becomes CR LF")
        << QByteArray("; made by hand\n\n[s]\nodd line\na=1\nother=x\n") << Sets{{"s", "a", "2"}}
        << QByteArray("; made by hand\r\n\r\n[s]\r\nodd line\r\na=2\r\nother=x\r\n");
    QTest::newRow("blanks kept by quotes")
        << QByteArray() << Sets{{"s", "k", " x "}} << QByteArray("[s]\r\nk=\" x \"\r\n");
    QTest::newRow("line breaks become blanks")
        << QByteArray() << Sets{{"s", "k", "a\r\nb"}} << QByteArray("[s]\r\nk=a  b\r\n");
}

void TestIniDocument::writesOnlyWhatChanged()
{
    QFETCH(QByteArray, before);
    QFETCH(Sets, sets);
    QFETCH(QByteArray, after);

    IniDocument document(before);
    for (const QByteArrayList& set : sets)
        QVERIFY(document.setValue(set[0], set[1], set[2]));
    QCOMPARE(document.toBytes(), after);
    const QByteArrayList& last = sets.last();
    QCOMPARE(IniDocument(after).value(last[0], last[1]),
             QByteArray(last[2]).replace('\r', ' ').replace('\n', ' '));
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
