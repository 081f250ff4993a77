#include "inidocument.h"

#include <QTest>

using Sets = QList<QByteArrayList>; // {section, key, value} in the order they are set

class TestIniDocument final : public QObject
{
    Q_OBJECT
private slots:
    void readsLikeTheWindowsReader_data()
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
        row("blanks, LF and CR LF", "\r\n\n[s]\n \t \r\n  k \t=  v w \t", "s", "k", "v w");
        row("comment and line without = are no keys", "[s]\r\n;k=x\r\nk\r\n", "s", "k", nullptr);
        row("first of two, in any case", "[Ab]\r\nK=3\r\nk=4\r\n[aB]\r\nk=5", "AB", "k", "3");
        row("quotes keep blanks", "[s]\r\nk=\" x \"\r\n", "s", "k", " x ");
        row("[ without ] opens nothing", "[s]\r\nk=1\r\n[t\r\nj=2\r\n", "s", "j", "2");
        row("value ends at NUL", QByteArray("[s]\r\nk=ab\0cd\r\n", 14), "s", "k", "ab");
        // 0x81 0x5D is one two-byte character whose second byte looks like "]"; 0x81 0x41 and
        // 0x81 0x61 are two characters, not "A" and "a".
        row("] as trail byte in a name", "[a\x81\x5D]\r\nk=1\r\n", "a\x81\x5D", "k", "1");
        row("trail bytes keep their case", "[\x81\x41]\r\nk=1\r\n", "\x81\x61", "k", nullptr);
    }

    void readsLikeTheWindowsReader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        const QByteArray value = IniDocument(file).value(section, key);
        QCOMPARE(value.isNull(), expected.isNull());
        QCOMPARE(value, expected);
    }

    void writesOnlyWhatChanged_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Sets>("sets");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key keeps its place, new key after the last of its section")
            << QByteArray("[s]\r\na=1\r\nb=2\r\n\r\n; about t\r\n[t]\r\nx=1\r\n")
            << Sets{{"s", "B", "9"}, {"s", "c", "3"}}
            << QByteArray("[s]\r\na=1\r\nb=9\r\nc=3\r\n\r\n; about t\r\n[t]\r\nx=1\r\n");
        QTest::newRow("foreign lines kept, LF becomes CR LF, new sections at the end in order")
            << QByteArray(";\n\n[s]\nodd\na=1")
            << Sets{{"t", "x", "1"}, {"u", "y", "2"}, {"T", "z", "3"}}
            << QByteArray(";\r\n\r\n[s]\r\nodd\r\na=1\r\n[t]\r\nx=1\r\nz=3\r\n[u]\r\ny=2\r\n");
        QTest::newRow("blanks kept by quotes, line breaks become blanks")
            << QByteArray() << Sets{{"s", "k", " x "}, {"s", "j", "a\r\nb"}}
            << QByteArray("[s]\r\nk=\" x \"\r\nj=a  b\r\n");
    }

    void writesOnlyWhatChanged()
    {
        QFETCH(QByteArray, before);
        QFETCH(Sets, sets);
        QFETCH(QByteArray, after);
        IniDocument document(before);
        for (const QByteArrayList& set : sets)
            QVERIFY(document.setValue(set[0], set[1], set[2]));
        QCOMPARE(document.toBytes(), after);
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
