// QQlist.cfg as the program reads and writes it, through ProfileStore and the real module.

#include "contacts/contactlistfile.h"
#include "contacts/contactlistmodel.h"
#include "contacts/profilestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace {
const QString ModulePath = QStringLiteral(LANTERNIX_PROFILE_MODULE);
const QString CrashListFlag = QStringLiteral("--keep-saving");
const QString SaveOnceFlag = QStringLiteral("--save-once");
constexpr int CrashListSize = 20000;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Entries as "number|remark", in list order.
QStringList entriesOf(const ContactListModel& model)
{
    QStringList result;
    for (int i = 1; i <= model.count(); ++i)
        result.append(model.at(i).number + u'|' + model.at(i).remark);
    return result;
}

void fill(ContactListModel& model, int count, const QString& remarkPrefix)
{
    for (int i = 1; i <= count; ++i)
        model.append(QString::number(100000000 + i), remarkPrefix + QString::number(i));
}

QStringList loadList(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    return entriesOf(model);
}

// Loads first, as the program does at start, then saves the given list over the file.
bool saveList(const QString& path, const std::function<void(ContactListModel&)>& build)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    model.clear();
    build(model);
    return ContactListFile::save(store, model);
}

QString rawValue(const QString& path, const QString& section, const QString& key)
{
    ProfileStore store(ModulePath);
    store.setFileName(path);
    return store.Load_Key(section, key, 32767);
}

// Child mode for the crash test: saves a list of the same size over and over, every round with
// its own remarks, announcing each save before it starts.
int keepSaving(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 2;
    QElapsedTimer timer;
    for (int round = 1; round <= 2000; ++round) {
        model.clear();
        fill(model, CrashListSize, QStringLiteral("第%1轮 ").arg(round));
        out.write("saving " + QByteArray::number(round) + '\n');
        out.flush();
        timer.start();
        if (!ContactListFile::save(store, model))
            return 3;
        out.write("saved " + QByteArray::number(round) + ' ' + QByteArray::number(timer.elapsed()) +
                  '\n');
        out.flush();
    }
    return 0;
}

// Child mode for the read-only folder test: loads, adds an entry, saves, and reports the rows it
// loaded and whether saving worked.
int saveOnce(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    const int loaded = model.count();
    model.append(QStringLiteral("10001"), QStringLiteral("新"));
    const bool saved = ContactListFile::save(store, model);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 2;
    out.write(QByteArray::number(loaded) + ' ' + (saved ? "saved" : "refused") + '\n');
    return 0;
}
} // namespace

class TestContactListFile final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void workedExampleByteForByte();
    void storeHoldsKeysUntilCommit();
    void loadTakesTheCountAsTheFileStatesIt_data();
    void loadTakesTheCountAsTheFileStatesIt();
    void saveOverAnEarlierList_data();
    void saveOverAnEarlierList();
    void valuesReadBack_data();
    void valuesReadBack();
    void damagedFilesLoadAndSaveClean_data();
    void damagedFilesLoadAndSaveClean();
    void killedWhileSavingLeavesAWholeFile();
    void directoryInTheWayIsNotOverwritten();
    void readOnlyFolder();
    void missingModule_data();
    void missingModule();

private:
    QString listPath() const { return m_dir->filePath(ContactListFile::FileName); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestContactListFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestContactListFile::workedExampleByteForByte()
{
    QVERIFY(writeAll(listPath(), QByteArray()));
    QVERIFY(saveList(listPath(), [](ContactListModel& model) {
        model.append(QStringLiteral("123456"), QStringLiteral("同学"));
        model.append(QStringLiteral("654321"), QStringLiteral("同事"));
    }));
    QCOMPARE(readAll(listPath()), QByteArray("[MEUserData]\r\nIncout=2\r\n"
                                             "[1]\r\nImis1=123456\r\nImis2=\xCD\xAC\xD1\xA7\r\n"
                                             "[2]\r\nImis1=654321\r\nImis2=\xCD\xAC\xCA\xC2\r\n"));

    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(entriesOf(model), QStringList({"123456|同学", "654321|同事"}));
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(model.at(i).text, model.at(i).remark);
        QCOMPARE(model.at(i).icon, qint16(ContactEntry::Offline));
        QCOMPARE(model.at(i).smallIcon, qint16(ContactEntry::Online));
    }
}

void TestContactListFile::storeHoldsKeysUntilCommit()
{
    ProfileStore store(ModulePath);
    QVERIFY(store.isLoaded());
    QVERIFY(store.NewFile(listPath()));
    store.setFileName(listPath());
    QVERIFY(store.Sav_Key("MEUserData", "Incout", "1"));
    QVERIFY(store.Sav_Key("1", "Imis2", QStringLiteral("小明 😀")));
    QCOMPARE(store.Load_Key("1", "Imis2", 200), QStringLiteral("小明 😀"));
    QCOMPARE(readAll(listPath()), QByteArray());
    // Someone else writes the file before the commit: their lines stay.
    QVERIFY(writeAll(listPath(), "; by hand\r\n[t]\r\nc=3\r\n"));
    QVERIFY(store.commit());
    QCOMPARE(readAll(listPath()),
             QByteArray("; by hand\r\n[t]\r\nc=3\r\n[MEUserData]\r\nIncout=1\r\n"
                        "[1]\r\nImis2=\xD0\xA1\xC3\xF7 \x94\x39\xFC\x36\r\n"));
    QCOMPARE(rawValue(listPath(), "t", "c"), QStringLiteral("3"));
}

void TestContactListFile::loadTakesTheCountAsTheFileStatesIt_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("first"); // the first rows, as far as listed

    const QByteArray two("[1]\r\nImis1=11\r\nImis2=a\r\n[2]\r\nImis1=22\r\nImis2=b\r\n");
    const QByteArray head("[MEUserData]\r\nIncout=");
    const QStringList twoRows{"11|a", "22|b"};
    const int most = ContactListFile::MaxEntries;
    QTest::newRow("no file") << QByteArray() << 0 << QStringList();
    QTest::newRow("no count") << two << 0 << QStringList();
    QTest::newRow("count \"\"") << head + "\r\n" + two << 0 << QStringList();
    QTest::newRow("count 0") << head + "0\r\n" + two << 0 << QStringList();
    QTest::newRow("count abc") << head + "abc\r\n" + two << 0 << QStringList();
    QTest::newRow("count -5") << head + "-5\r\n" + two << 0 << QStringList();
    QTest::newRow("count 1") << head + "1\r\n" + two << 1 << QStringList{"11|a"};
    QTest::newRow("count 2abc") << head + "2abc\r\n" + two << 2 << twoRows;
    QTest::newRow("count 3, 2 sections") << head + "3\r\n" + two << 3 << twoRows + QStringList{"|"};
    QTest::newRow("count 99999") << head + "99999\r\n" + two << most << twoRows + QStringList{"|"};
    QTest::newRow("count in 49 bytes")
        << head + QByteArray(48, '0') + "2\r\n" + two << 2 << twoRows;
    QTest::newRow("count in 50 bytes")
        << head + QByteArray(49, '0') + "2\r\n" + two << 0 << QStringList();
    QTest::newRow("hand-written file")
        << QByteArray("; my list\n[meuserdata]\nINCOUT = 1\n\n[1]\nimis1 = 5 \nimis2=\" x \"\n")
        << 1 << QStringList{"5| x "};
}

void TestContactListFile::loadTakesTheCountAsTheFileStatesIt()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rows);
    QFETCH(QStringList, first);
    if (!file.isNull())
        QVERIFY(writeAll(listPath(), file));
    const QStringList entries = loadList(listPath());
    QCOMPARE(entries.size(), rows);
    QCOMPARE(entries.mid(0, first.size()), first);
    QVERIFY(QFile::exists(listPath()));  // a missing file is created empty
    QCOMPARE(readAll(listPath()), file); // loading never writes
}

void TestContactListFile::saveOverAnEarlierList_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("3 over 5") << 5 << 3;
    QTest::newRow("0 over 3") << 3 << 0;
}

void TestContactListFile::saveOverAnEarlierList()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QVERIFY(saveList(listPath(), [&](ContactListModel& m) { fill(m, before, "旧"); }));
    QVERIFY(saveList(listPath(), [&](ContactListModel& m) { fill(m, after, "新"); }));

    QCOMPARE(rawValue(listPath(), "MEUserData", "Incout"), QString::number(after));
    // Sections above the count stay in the file, untouched.
    for (int i = after + 1; i <= before; ++i)
        QCOMPARE(rawValue(listPath(), QString::number(i), "Imis2"), "旧" + QString::number(i));
    ContactListModel expected;
    fill(expected, after, "新");
    QCOMPARE(loadList(listPath()), entriesOf(expected));
}

void TestContactListFile::valuesReadBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");

    const QString chinese100(100, QChar(0x540C)); // 同: two bytes each
    QTest::newRow("199 bytes") << QString(199, u'1') << QString(199, u'1');
    QTest::newRow("200 bytes") << QString(200, u'1') << QString(199, u'1');
    QTest::newRow("a character across byte 199") << chinese100 << chinese100.left(99);
    QTest::newRow("emoji across byte 199")
        << QString(197, u'x') + QStringLiteral("😀") << QString(197, u'x');
    QTest::newRow("emoji") << QStringLiteral("小明😀") << QStringLiteral("小明😀");
    QTest::newRow("beyond GBK") << QStringLiteral("𠀀𪚥 Ünïcødé ☃")
                                << QStringLiteral("𠀀𪚥 Ünïcødé ☃");
    QTest::newRow("blanks around") << QStringLiteral("  两边 ") << QStringLiteral("  两边 ");
    QTest::newRow("quotes around") << QStringLiteral("\"引号\"") << QStringLiteral("\"引号\"");
}

void TestContactListFile::valuesReadBack()
{
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    QVERIFY(saveList(listPath(), [&](ContactListModel& m) { m.append(stored, stored); }));
    // The file holds the whole value; only reading is cut.
    QStringEncoder gb18030("GB18030");
    QVERIFY(readAll(listPath()).contains(QByteArray(gb18030.encode(stored))));
    QCOMPARE(loadList(listPath()), QStringList{loaded + u'|' + loaded});
}

void TestContactListFile::damagedFilesLoadAndSaveClean_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");

    const QByteArray list("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=11\r\nImis2=a\r\n"
                          "[2]\r\nImis1=22\r\nImis2=b\r\n");
    const QStringList listRows{"11|a", "22|b"};
    QRandomGenerator random(20240611);
    QByteArray junk(256 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);
    QByteArray bulk = list + "[junk]\r\n";
    const QByteArray line = "key=" + QByteArray(90, 'v') + "\r\n";
    bulk.reserve(50 * 1024 * 1024 + line.size());
    for (int i = 0; bulk.size() < 50 * 1024 * 1024; ++i)
        bulk += QByteArray::number(i) + line;
    const QByteArray megabyte(1024 * 1024, '7');

    QTest::newRow("binary junk") << junk << QStringList();
    QTest::newRow("NUL bytes") << QByteArray(
                                      "[MEUserData]\r\nIncout=2\0\0\r\n[1]\r\nImis1=1\0 23\r\n"
                                      "Imis2=a\0b\r\n\0\0[2]\r\nImis1=2\r\n",
                                      71)
                               << QStringList{"1|a", "|"};
    QTest::newRow("invalid GB18030")
        << QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=12\xFF\r\nImis2=\xCD\xAC\x81\r\n")
        << QStringList{QStringLiteral("12\uFFFD|同\uFFFD")};
    QTest::newRow("50 MB") << bulk << listRows;
    QTest::newRow("1 MB lines") << "; " + megabyte + "\r\n[" + megabyte + "\r\n" + list + megabyte +
                                       "\r\n[3]\r\nImis1=" + megabyte + "\r\n"
                                << listRows;
    QTest::newRow("[x without ]")
        << QByteArray("[MEUserData]\r\nIncout=2\r\n[1\r\nImis1=5\r\n[2]\r\nImis1=6\r\n")
        << QStringList{"|", "6|"};
}

void TestContactListFile::damagedFilesLoadAndSaveClean()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QVERIFY(writeAll(listPath(), file));

    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(entriesOf(model), entries);

    // The next save writes a list that reads back exactly, whatever surrounds it.
    model.append(QStringLiteral("424242"), QStringLiteral("新朋友"));
    QVERIFY(ContactListFile::save(store, model));
    QCOMPARE(loadList(listPath()), entriesOf(model));
}

void TestContactListFile::killedWhileSavingLeavesAWholeFile()
{
    QVERIFY(writeAll(listPath(), QByteArray()));
    constexpr int Attempts = 8;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {CrashListFlag, listPath()});
        QVERIFY(child.waitForStarted());
        // The first save tells how long a save takes; the kill then falls at a different point
        // of the second one each time, from its very start to its end.
        QByteArray seen;
        while (!seen.contains("saving 2\n")) {
            QVERIFY(child.waitForReadyRead(60000));
            seen += child.readAllStandardOutput();
        }
        const QByteArray firstSave = seen.split('\n').at(1); // "saved 1 <ms>"
        QVERIFY(firstSave.startsWith("saved 1 "));
        if (attempt > 0)
            QTest::qWait(firstSave.mid(8).toInt() * attempt / (Attempts - 1));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Old or new file, never a mix: the count matches the sections, all of one round.
        QVERIFY(readAll(listPath()).endsWith("\r\n"));
        const QStringList entries = loadList(listPath());
        QCOMPARE(entries.size(), CrashListSize);
        const QString round = entries.first().section(u'|', 1).section(u' ', 0, 0);
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(entries[i],
                     QStringLiteral("%1|%2 %3").arg(100000001 + i).arg(round).arg(i + 1));
        QCOMPARE(rawValue(listPath(), QString::number(CrashListSize + 1), "Imis1"), QString());
    }
}

void TestContactListFile::directoryInTheWayIsNotOverwritten()
{
    QVERIFY(QDir().mkdir(listPath()));
    QVERIFY(!saveList(listPath(), [](ContactListModel& m) { m.append("10001", "甲"); }));
    QVERIFY(QFileInfo(listPath()).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{ContactListFile::FileName});
}

void TestContactListFile::readOnlyFolder()
{
    // Root writes through permission bits, so the attempt runs as a child without that right.
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const bool root = geteuid() == 0;
    if (root && setpriv.isEmpty())
        QSKIP("running as root without setpriv: a read-only folder cannot be made");
    const QString withList = m_dir->filePath(QStringLiteral("with"));
    const QString withoutList = m_dir->filePath(QStringLiteral("without"));
    QVERIFY(QDir().mkdir(withList));
    QVERIFY(QDir().mkdir(withoutList));
    const QByteArray list("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=11\r\nImis2=a\r\n");
    const QString listFile = withList + u'/' + ContactListFile::FileName;
    QVERIFY(writeAll(listFile, list));
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    for (const QString& path : {m_dir->path(), withList, withoutList})
        QVERIFY(QFile::setPermissions(path, readable));

    const auto run = [&](const QString& path) {
        QProcess child;
        QStringList arguments{QCoreApplication::applicationFilePath(), SaveOnceFlag, path};
        if (root)
            child.start(setpriv, QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} +
                                     arguments);
        else
            child.start(arguments.takeFirst(), arguments);
        child.waitForFinished(60000);
        return child.readAllStandardOutput().trimmed();
    };
    QCOMPARE(run(listFile), QByteArray("1 refused"));
    QCOMPARE(readAll(listFile), list);
    QCOMPARE(QDir(withList).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{ContactListFile::FileName});
    // No file and no way to create one: an empty list, and saving is refused.
    QCOMPARE(run(withoutList + u'/' + ContactListFile::FileName), QByteArray("0 refused"));
    QCOMPARE(QDir(withoutList).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    for (const QString& path : {withoutList, withList, m_dir->path()})
        QVERIFY(QFile::setPermissions(path, readable | QFile::WriteOwner));
}

void TestContactListFile::missingModule_data()
{
    QTest::addColumn<QByteArray>("moduleBytes"); // null: no module file at all
    QTest::newRow("no module file") << QByteArray();
    QTest::newRow("not a library") << QByteArray("MZ this is not a library");
}

void TestContactListFile::missingModule()
{
    QFETCH(QByteArray, moduleBytes);
    const QString module = m_dir->filePath(QStringLiteral("IniEnV.ocx"));
    if (!moduleBytes.isNull())
        QVERIFY(writeAll(module, moduleBytes));
    const QByteArray list("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=11\r\nImis2=a\r\n");
    QVERIFY(writeAll(listPath(), list));

    ProfileStore store(module);
    QVERIFY(!store.isLoaded());
    store.setFileName(listPath());
    QCOMPARE(store.Load_Key("MEUserData", "Incout", 50), QString());
    QVERIFY(!store.Sav_Key("MEUserData", "Incout", "5"));
    QVERIFY(!store.commit());

    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), 0);
    model.append(QStringLiteral("10001"), QStringLiteral("甲"));
    QVERIFY(!ContactListFile::save(store, model));
    QCOMPARE(readAll(listPath()), list);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == CrashListFlag)
        return keepSaving(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == SaveOnceFlag)
        return saveOnce(arguments[2]);
    TestContactListFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_contactlistfile.moc"
