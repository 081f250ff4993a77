#include "gb18030codec.h"
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
    void refusesNamesThatCannotBeReadBack_data();
    void refusesNamesThatCannotBeReadBack();
    void cutsOnCharacterBoundaries_data();
    void cutsOnCharacterBoundaries();
    void convertsGb18030_data();
    void convertsGb18030();
};

void TestIniDocument::readsLikeTheWindowsReader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected"); // null: missing

    const QByteArray missing;
    QTest::newRow("CR LF lines") << QByteArray("[s]\r\nk=v\r\n") << QByteArray("s")
                                 << QByteArray("k") << QByteArray("v");
    QTest::newRow("LF lines") << QByteArray("[s]\nk=v\n") << QByteArray("s") << QByteArray("k")
                              << QByteArray("v");
    QTest::newRow("last line without end")
        << QByteArray("[s]\r\nk=v") << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n[s]\r\n\r\n \t \r\nk=v\r\n\r\n")
                                 << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("blanks around = and line")
        << QByteArray("[s]\r\n  k \t=  v w \t\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("v w");
    QTest::newRow("blanks around names asked") << QByteArray("[s]\r\nk=v\r\n") << QByteArray(" s ")
                                               << QByteArray("\tk ") << QByteArray("v");
    QTest::newRow("blanks inside brackets")
        << QByteArray("[ s ]\r\nk=v\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("comment is no key")
        << QByteArray("[s]\r\n;k=x\r\n") << QByteArray("s") << QByteArray("k") << missing;
    QTest::newRow("comment before key") << QByteArray("[s]\r\n ;k=x\r\nk=v\r\n") << QByteArray("s")
                                        << QByteArray("k") << QByteArray("v");
    QTest::newRow("section and key case")
        << QByteArray("[MEUserData]\r\nIncout=3\r\n") << QByteArray("meuserDATA")
        << QByteArray("INCOUT") << QByteArray("3");
    QTest::newRow("first of two keys") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << QByteArray("s")
                                       << QByteArray("k") << QByteArray("1");
    QTest::newRow("first of two sections") << QByteArray("[s]\r\nk=1\r\n[S]\r\nk=2\r\n")
                                           << QByteArray("s") << QByteArray("k") << QByteArray("1");
    QTest::newRow("key only in second section") << QByteArray("[s]\r\nk=1\r\n[s]\r\nj=2\r\n")
                                                << QByteArray("s") << QByteArray("j") << missing;
    QTest::newRow("[ without ] opens nothing") << QByteArray("[s]\r\nk=1\r\n[t\r\nj=2\r\n")
                                               << QByteArray("t") << QByteArray("j") << missing;
    QTest::newRow("key after [ without ]") << QByteArray("[s]\r\nk=1\r\n[t\r\nj=2\r\n")
                                           << QByteArray("s") << QByteArray("j") << QByteArray("2");
    QTest::newRow("name up to last ]") << QByteArray("[a]b]\r\nk=1\r\n") << QByteArray("a]b")
                                       << QByteArray("k") << QByteArray("1");
    QTest::newRow("double quotes") << QByteArray("[s]\r\nk=\"a b\"\r\n") << QByteArray("s")
                                   << QByteArray("k") << QByteArray("a b");
    QTest::newRow("single quotes")
        << QByteArray("[s]\r\nk='x'\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("x");
    QTest::newRow("quotes keep inner blanks")
        << QByteArray("[s]\r\nk=\" x \"\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray(" x ");
    QTest::newRow("quotes that do not match") << QByteArray("[s]\r\nk=\"x'\r\n") << QByteArray("s")
                                              << QByteArray("k") << QByteArray("\"x'");
    QTest::newRow("one quote") << QByteArray("[s]\r\nk=\"\r\n") << QByteArray("s")
                               << QByteArray("k") << QByteArray("\"");
    QTest::newRow("empty value") << QByteArray("[s]\r\nk=\r\n") << QByteArray("s")
                                 << QByteArray("k") << QByteArray("");
    QTest::newRow("line without =")
        << QByteArray("[s]\r\nk\r\n") << QByteArray("s") << QByteArray("k") << missing;
    QTest::newRow("key before any section")
        << QByteArray("k=1\r\n[s]\r\n") << QByteArray("s") << QByteArray("k") << missing;
    QTest::newRow("missing section")
        << QByteArray("[s]\r\nk=1\r\n") << QByteArray("t") << QByteArray("k") << missing;
    QTest::newRow("empty file") << QByteArray() << QByteArray("s") << QByteArray("k") << missing;
    QTest::newRow("value ends at NUL") << QByteArray("[s]\r\nk=ab\0cd\r\n", 14) << QByteArray("s")
                                       << QByteArray("k") << QByteArray("ab");
    // 0x81 0x5D is one two-byte character whose second byte looks like "]".
    QTest::newRow("] as trail byte in a name")
        << QByteArray("[a\x81\x5D]\r\nk=1\r\n") << QByteArray("a\x81\x5D") << QByteArray("k")
        << QByteArray("1");
    QTest::newRow("] as trail byte closes nothing")
        << QByteArray("[a\x81\x5D\r\nk=1\r\n") << QByteArray("a\x81") << QByteArray("k") << missing;
    // 0x81 0x41 and 0x81 0x61 are two different characters, not "A" and "a".
    QTest::newRow("trail bytes keep their case")
        << QByteArray("[\x81\x41]\r\nk=1\r\n") << QByteArray("\x81\x61") << QByteArray("k")
        << missing;
    QTest::newRow("Chinese names")
        << QByteArray("[\xCD\xAC\xD1\xA7]\r\n\xC3\xFB=1\r\n") << QByteArray("\xCD\xAC\xD1\xA7")
        << QByteArray("\xC3\xFB") << QByteArray("1");
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

    QTest::newRow("empty file") << QByteArray() << Sets{{"s", "k", "v"}}
                                << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("key keeps its place")
        << QByteArray("[s]\r\na=1\r\nb=2\r\nc=3\r\n") << Sets{{"s", "b", "9"}}
        << QByteArray("[s]\r\na=1\r\nb=9\r\nc=3\r\n");
    QTest::newRow("new key after the last key")
        << QByteArray("[s]\r\na=1\r\n\r\n; about t\r\n[t]\r\nx=1\r\n") << Sets{{"s", "b", "2"}}
        << QByteArray("[s]\r\na=1\r\nb=2\r\n\r\n; about t\r\n[t]\r\nx=1\r\n");
    QTest::newRow("new key in a section without keys")
        << QByteArray("[s]\r\n[t]\r\n") << Sets{{"s", "a", "1"}}
        << QByteArray("[s]\r\na=1\r\n[t]\r\n");
    QTest::newRow("new section at the end") << QByteArray("[s]\r\na=1\r\n") << Sets{{"t", "b", "2"}}
                                            << QByteArray("[s]\r\na=1\r\n[t]\r\nb=2\r\n");
    QTest::newRow("new sections in order")
        << QByteArray() << Sets{{"t", "x", "1"}, {"u", "y", "2"}, {"T", "z", "3"}}
        << QByteArray("[t]\r\nx=1\r\nz=3\r\n[u]\r\ny=2\r\n");
    QTest::newRow("empty value") << QByteArray() << Sets{{"s", "k", ""}}
                                 << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("same key twice")
        << QByteArray("[s]\r\nk=0\r\n") << Sets{{"s", "k", "1"}, {"s", "K", "2"}}
        << QByteArray("[s]\r\nk=2\r\n");
    QTest::newRow("new key set twice")
        << QByteArray() << Sets{{"s", "k", "1"}, {"s", "k", "2"}} << QByteArray("[s]\r\nk=2\r\n");
    QTest::newRow("spelling of the file kept")
        << QByteArray("[S]\r\n  Key = old \r\n") << Sets{{"s", "KEY", "new"}}
        << QByteArray("[S]\r\nKey=new\r\n");
    QTest::newRow("foreign lines kept, LF becomes CR LF")
        << QByteArray("; made by hand\n\n[s]\nodd line\na=1\nother=x\n") << Sets{{"s", "a", "2"}}
        << QByteArray("; made by hand\r\n\r\n[s]\r\nodd line\r\na=2\r\nother=x\r\n");
    QTest::newRow("last line without end")
        << QByteArray("[s]\r\na=1") << Sets{{"s", "b", "2"}} << QByteArray("[s]\r\na=1\r\nb=2\r\n");
    QTest::newRow("second of two sections untouched")
        << QByteArray("[s]\r\na=1\r\n[s]\r\na=5\r\n") << Sets{{"s", "a", "2"}}
        << QByteArray("[s]\r\na=2\r\n[s]\r\na=5\r\n");
    QTest::newRow("[ without ] is no section")
        << QByteArray("[s\r\n") << Sets{{"s", "a", "1"}} << QByteArray("[s\r\n[s]\r\na=1\r\n");
    QTest::newRow("blanks kept by quotes")
        << QByteArray() << Sets{{"s", "k", " x "}} << QByteArray("[s]\r\nk=\" x \"\r\n");
    QTest::newRow("quotes kept by quotes")
        << QByteArray() << Sets{{"s", "k", "'q'"}} << QByteArray("[s]\r\nk=\"'q'\"\r\n");
    QTest::newRow("inner quote as it is")
        << QByteArray() << Sets{{"s", "k", "a\"b"}} << QByteArray("[s]\r\nk=a\"b\r\n");
    QTest::newRow("line breaks become blanks")
        << QByteArray() << Sets{{"s", "k", "a\r\nb"}} << QByteArray("[s]\r\nk=a  b\r\n");
    QTest::newRow("names taken without blanks")
        << QByteArray() << Sets{{" s ", " k ", "v"}} << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("key before sections stays")
        << QByteArray("k=0\r\n[s]\r\n") << Sets{{"s", "k", "1"}}
        << QByteArray("k=0\r\n[s]\r\nk=1\r\n");
}

void TestIniDocument::writesOnlyWhatChanged()
{
    QFETCH(QByteArray, before);
    QFETCH(Sets, sets);
    QFETCH(QByteArray, after);

    IniDocument document(before);
    QHash<QPair<QByteArray, QByteArray>, QByteArray> latest; // what each key must read back
    for (const QByteArrayList& set : sets) {
        QVERIFY(document.setValue(set[0], set[1], set[2]));
        latest[{set[0].trimmed().toLower(), set[1].trimmed().toLower()}] =
            QByteArray(set[2]).replace('\r', ' ').replace('\n', ' ');
    }
    QVERIFY(document.isModified());
    const IniDocument written(document.toBytes());
    for (auto it = latest.cbegin(); it != latest.cend(); ++it) {
        QCOMPARE(document.value(it.key().first, it.key().second), it.value());
        QCOMPARE(written.value(it.key().first, it.key().second), it.value());
    }
    QCOMPARE(document.toBytes(), after);
}

void TestIniDocument::refusesNamesThatCannotBeReadBack_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");

    QTest::newRow("empty section") << QByteArray() << QByteArray("k");
    QTest::newRow("blank section") << QByteArray(" \t") << QByteArray("k");
    QTest::newRow("section with line break") << QByteArray("a\nb") << QByteArray("k");
    QTest::newRow("section ending in a broken character") << QByteArray("a\x81") << QByteArray("k");
    QTest::newRow("empty key") << QByteArray("s") << QByteArray();
    QTest::newRow("key with =") << QByteArray("s") << QByteArray("a=b");
    QTest::newRow("key like a comment") << QByteArray("s") << QByteArray(";k");
    QTest::newRow("key like a section") << QByteArray("s") << QByteArray("[k]");
    QTest::newRow("key with line break") << QByteArray("s") << QByteArray("a\rb");
}

void TestIniDocument::refusesNamesThatCannotBeReadBack()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    const QByteArray before("[s]\r\nk=1\r\n");
    IniDocument document(before);
    QVERIFY(!document.setValue(section, key, "v"));
    QVERIFY(!document.isModified());
    QCOMPARE(document.toBytes(), before);
}

void TestIniDocument::cutsOnCharacterBoundaries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<int>("expected");

    const QByteArray classmates("\xCD\xAC\xD1\xA7"); // two two-byte characters
    const QByteArray smile("\x94\x39\xFC\x36");      // one four-byte character
    QTest::newRow("ASCII") << QByteArray("12345") << 3 << 3;
    QTest::newRow("all of it") << classmates << 4 << 4;
    QTest::newRow("more than all") << classmates << 199 << 4;
    QTest::newRow("inside the second character") << classmates << 3 << 2;
    QTest::newRow("inside the first character") << classmates << 1 << 0;
    QTest::newRow("nothing") << classmates << 0 << 0;
    QTest::newRow("inside a four-byte character") << QByteArray("a" + smile) << 4 << 1;
    QTest::newRow("after a four-byte character") << QByteArray("a" + smile + "b") << 5 << 5;
    QTest::newRow("broken lead byte") << QByteArray("\x81!b") << 1 << 1;
    QTest::newRow("odd byte before a character") << QByteArray("a" + classmates) << 2 << 1;
}

void TestIniDocument::cutsOnCharacterBoundaries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, maxBytes);
    QFETCH(int, expected);
    QCOMPARE(Gb18030Codec::prefixLength(bytes, maxBytes), qsizetype(expected));
}

void TestIniDocument::convertsGb18030_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << QStringLiteral("Imis1=123") << QByteArray("Imis1=123");
    // GBK's own bytes for GBK characters.
    QTest::newRow("GBK characters") << QStringLiteral("同学") << QByteArray("\xCD\xAC\xD1\xA7");
    QTest::newRow("beyond GBK: emoji")
        << QStringLiteral("好😀") << QByteArray("\xBA\xC3\x94\x39\xFC\x36");
    QTest::newRow("beyond GBK: rare character")
        << QStringLiteral("𠀀") << QByteArray("\x95\x32\x82\x36");
}

void TestIniDocument::convertsGb18030()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    Gb18030Codec codec;
    QVERIFY(codec.isValid());
    QCOMPARE(codec.encode(text), bytes);
    QCOMPARE(codec.decode(bytes), text);
    // Damaged bytes cost one replacement each and nothing around them.
    const QString damaged = codec.decode(QByteArray("a\xFF") + bytes + "\x81");
    QCOMPARE(damaged, QStringLiteral(u"a\uFFFD") + text + QChar(QChar::ReplacementCharacter));
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
