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

#include <unistd.h>

namespace {
const QString ModulePath = QStringLiteral(LANTERNIX_PROFILE_MODULE);
const QString CrashListFlag = QStringLiteral("--keep-saving");
const QString SaveOnceFlag = QStringLiteral("--save-once");
constexpr int CrashListSize = 20000;

struct Entry
{
    QString number;
    QString remark;
};
using Entries = QList<Entry>;

QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

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

void fill(ContactListModel& model, const Entries& entries)
{
    QVector<ContactEntry> rows;
    for (const Entry& entry : entries)
        rows.append(ContactEntry{entry.remark, entry.number, entry.remark});
    model.appendEntries(rows);
}

Entries entriesOf(const ContactListModel& model)
{
    Entries result;
    for (int i = 1; i <= model.count(); ++i)
        result.append(Entry{model.at(i).number, model.at(i).remark});
    return result;
}

Entries numbered(int count, const QString& remarkPrefix)
{
    Entries result;
    for (int i = 1; i <= count; ++i)
        result.append(Entry{QString::number(100000000 + i), remarkPrefix + QString::number(i)});
    return result;
}

bool saveList(const QString& path, const Entries& entries)
{
    ProfileStore store(ModulePath);
    ContactListModel before;
    ContactListFile::load(store, path, before); // points the store at the file, as at start
    ContactListModel model;
    fill(model, entries);
    return ContactListFile::save(store, model);
}

Entries loadList(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    return entriesOf(model);
}

QString rawValue(const QString& path, const QString& section, const QString& key)
{
    ProfileStore store(ModulePath);
    store.setFileName(path);
    return store.Load_Key(section, key, 32767);
}

// Child mode for the crash test: saves the same-sized list over and over, every round with its
// own remarks, announcing each save before it starts.
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
        fill(model, numbered(CrashListSize, QStringLiteral("第%1轮 ").arg(round)));
        out.write(QByteArray("saving ") + QByteArray::number(round) + '\n');
        out.flush();
        timer.start();
        if (!ContactListFile::save(store, model))
            return 3;
        out.write(QByteArray("saved ") + QByteArray::number(round) + ' ' +
                  QByteArray::number(timer.elapsed()) + '\n');
        out.flush();
    }
    return 0;
}

// Child mode for the read-only folder test (runs without root's right to write anywhere):
// loads, adds an entry, saves, and reports the rows it loaded and whether saving worked.
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

Q_DECLARE_METATYPE(Entries)

class TestContactListFile final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void parseCount_data();
    void parseCount();
    void workedExampleByteForByte();
    void missingFileIsCreatedEmpty();
    void loadTakesTheCountAsTheFileStatesIt_data();
    void loadTakesTheCountAsTheFileStatesIt();
    void saveOverAnEarlierList_data();
    void saveOverAnEarlierList();
    void readLimits_data();
    void readLimits();
    void countReadLimit_data();
    void countReadLimit();
    void remarksBeyondGbkSurvive_data();
    void remarksBeyondGbkSurvive();
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

void TestContactListFile::cleanup()
{
    m_dir.reset();
}

void TestContactListFile::parseCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");

    QTest::newRow("nothing") << "" << -1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("blanks before") << " 3" << 3;
    QTest::newRow("letters after") << "3abc" << 3;
    QTest::newRow("fraction") << "3.9" << 3;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("negative") << "-5" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("blank") << " " << 0;
    QTest::newRow("full-width digits") << QStringLiteral("３") << 0;
    QTest::newRow("largest") << "32767" << ContactListFile::MaxEntries;
    QTest::newRow("one too many") << "32768" << ContactListFile::MaxEntries;
    QTest::newRow("far too many") << "99999" << ContactListFile::MaxEntries;
    QTest::newRow("49 digits") << QString(49, u'9') << ContactListFile::MaxEntries;
}

void TestContactListFile::parseCount()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(ContactListFile::parseCount(text), count);
}

void TestContactListFile::workedExampleByteForByte()
{
    QVERIFY(writeAll(listPath(), QByteArray()));
    QVERIFY(saveList(listPath(),
                     {{"123456", QStringLiteral("同学")}, {"654321", QStringLiteral("同事")}}));
    const QByteArray expected = gbk(QStringLiteral("[MEUserData]\r\nIncout=2\r\n"
                                                   "[1]\r\nImis1=123456\r\nImis2=同学\r\n"
                                                   "[2]\r\nImis1=654321\r\nImis2=同事\r\n"));
    const QByteArray file = readAll(listPath());
    QCOMPARE(file, expected);
    QCOMPARE(file.count("\r\n"), 8);
    QVERIFY(file.contains("Imis2=\xCD\xAC\xD1\xA7\r\n")); // the GBK bytes of 同学

    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), 2);
    const QStringList remarks{QStringLiteral("同学"), QStringLiteral("同事")};
    const QStringList numbers{QStringLiteral("123456"), QStringLiteral("654321")};
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(model.at(i).text, remarks[i - 1]);
        QCOMPARE(model.at(i).number, numbers[i - 1]);
        QCOMPARE(model.at(i).remark, remarks[i - 1]);
        QCOMPARE(model.at(i).icon, qint16(ContactEntry::Offline));
        QCOMPARE(model.at(i).smallIcon, qint16(ContactEntry::Online));
    }
}

void TestContactListFile::missingFileIsCreatedEmpty()
{
    QVERIFY(!QFile::exists(listPath()));
    QCOMPARE(loadList(listPath()).size(), 0);
    QVERIFY(QFile::exists(listPath()));
    QCOMPARE(QFileInfo(listPath()).size(), 0);
}

void TestContactListFile::loadTakesTheCountAsTheFileStatesIt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Entries>("first"); // the first rows, as far as listed

    const QByteArray two("[1]\r\nImis1=11\r\nImis2=a\r\n[2]\r\nImis1=22\r\nImis2=b\r\n");
    const Entries twoRows{{"11", "a"}, {"22", "b"}};
    QTest::newRow("empty file") << QByteArray() << 0 << Entries{};
    QTest::newRow("no count") << two << 0 << Entries{};
    QTest::newRow("count empty") << "[MEUserData]\r\nIncout=\r\n" + two << 0 << Entries{};
    QTest::newRow("count 0") << "[MEUserData]\r\nIncout=0\r\n" + two << 0 << Entries{};
    QTest::newRow("count not a number") << "[MEUserData]\r\nIncout=abc\r\n" + two << 0 << Entries{};
    QTest::newRow("count negative") << "[MEUserData]\r\nIncout=-5\r\n" + two << 0 << Entries{};
    QTest::newRow("count below the sections")
        << "[MEUserData]\r\nIncout=1\r\n" + two << 1 << Entries{{"11", "a"}};
    QTest::newRow("count above the sections")
        << "[MEUserData]\r\nIncout=3\r\n" + two << 3 << (twoRows + Entries{{"", ""}});
    QTest::newRow("count far above")
        << "[MEUserData]\r\nIncout=99999\r\n" + two << ContactListFile::MaxEntries
        << (twoRows + Entries{{"", ""}});
    QTest::newRow("sections in any order")
        << QByteArray("[2]\r\nImis2=b\r\nImis1=22\r\n[MEUserData]\r\nIncout=2\r\n"
                      "[1]\r\nImis1=11\r\nImis2=a\r\n")
        << 2 << twoRows;
    QTest::newRow("only a number")
        << QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=7\r\n") << 1 << Entries{{"7", ""}};
    QTest::newRow("hand-written file")
        << QByteArray("; my list\n[meuserdata]\nINCOUT = 1\n\n[1]\nimis1 = 5 \nimis2=\" x \"\n")
        << 1 << Entries{{"5", " x "}};
}

void TestContactListFile::loadTakesTheCountAsTheFileStatesIt()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rows);
    QFETCH(Entries, first);
    QVERIFY(writeAll(listPath(), file));
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), rows);
    for (int i = 1; i <= first.size(); ++i) {
        QCOMPARE(model.at(i).number, first[i - 1].number);
        QCOMPARE(model.at(i).remark, first[i - 1].remark);
        QCOMPARE(model.at(i).text, first[i - 1].remark);
    }
    QCOMPARE(readAll(listPath()), file); // loading never writes
}

void TestContactListFile::saveOverAnEarlierList_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    QTest::newRow("3 over 5") << 5 << 3;
    QTest::newRow("5 over 2") << 2 << 5;
    QTest::newRow("0 over 3") << 3 << 0;
    QTest::newRow("0 over nothing") << 0 << 0;
}

void TestContactListFile::saveOverAnEarlierList()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QVERIFY(saveList(listPath(), numbered(before, QStringLiteral("旧"))));
    const Entries saved = numbered(after, QStringLiteral("新"));
    QVERIFY(saveList(listPath(), saved));

    QCOMPARE(rawValue(listPath(), "MEUserData", "Incout"), QString::number(after));
    // Sections above the count stay in the file, untouched.
    for (int i = after + 1; i <= before; ++i)
        QCOMPARE(rawValue(listPath(), QString::number(i), "Imis2"),
                 QStringLiteral("旧") + QString::number(i));
    const Entries loaded = loadList(listPath());
    QCOMPARE(loaded.size(), after);
    for (int i = 0; i < after; ++i) {
        QCOMPARE(loaded[i].number, saved[i].number);
        QCOMPARE(loaded[i].remark, saved[i].remark);
    }
    if (before == 0 && after == 0)
        QCOMPARE(readAll(listPath()), QByteArray("[MEUserData]\r\nIncout=0\r\n"));
}

void TestContactListFile::readLimits_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");

    const QString chinese100 = QString(100, QChar(0x540C)); // 同: two bytes each
    QTest::newRow("198 bytes") << QString(198, u'1') << QString(198, u'1');
    QTest::newRow("199 bytes") << QString(199, u'1') << QString(199, u'1');
    QTest::newRow("200 bytes") << QString(200, u'1') << QString(199, u'1');
    QTest::newRow("a character across byte 199")
        << chinese100 << chinese100.left(99); // byte 199 would be half of the 100th
    QTest::newRow("a character ending at byte 199")
        << u'a' + chinese100 << u'a' + chinese100.left(99);
    QTest::newRow("emoji across byte 199")
        << QString(197, u'x') + QStringLiteral("😀") << QString(197, u'x');
    QTest::newRow("1000 bytes") << QString(500, QChar(0x4E8B)) << QString(99, QChar(0x4E8B));
}

void TestContactListFile::readLimits()
{
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    QVERIFY(saveList(listPath(), {{stored, stored}}));
    // The file holds the whole value; only reading is cut.
    QVERIFY(readAll(listPath()).contains("Imis2=" + gbk(stored) + "\r\n"));
    const Entries entries = loadList(listPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].number, loaded);
    QCOMPARE(entries[0].remark, loaded);
}

void TestContactListFile::countReadLimit_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("rows");

    QTest::newRow("49 bytes") << QByteArray(48, '0') + "2" << 2;
    QTest::newRow("50 bytes: last digit unseen") << QByteArray(49, '0') + "2" << 0;
    QTest::newRow("2 behind 47 blanks") << QByteArray(47, ' ') + "2" << 2;
}

void TestContactListFile::countReadLimit()
{
    QFETCH(QByteArray, count);
    QFETCH(int, rows);
    QVERIFY(writeAll(listPath(), "[MEUserData]\r\nIncout=" + count +
                                     "\r\n[1]\r\nImis1=1\r\n[2]\r\nImis1=2\r\n"));
    QCOMPARE(loadList(listPath()).size(), rows);
}

void TestContactListFile::remarksBeyondGbkSurvive_data()
{
    QTest::addColumn<QString>("remark");

    QTest::newRow("emoji") << QStringLiteral("小明😀");
    QTest::newRow("rare character") << QStringLiteral("𠀀𪚥");
    QTest::newRow("other scripts") << QStringLiteral("Ünïcødé ☃ ﷺ");
    QTest::newRow("blanks around") << QStringLiteral("  两边有空格 ");
    QTest::newRow("quotes around") << QStringLiteral("\"引号\"");
}

void TestContactListFile::remarksBeyondGbkSurvive()
{
    QFETCH(QString, remark);
    QVERIFY(saveList(listPath(), {{"10001", remark}}));
    QVERIFY(!readAll(listPath()).contains('?'));
    const Entries entries = loadList(listPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].remark, remark);
}

void TestContactListFile::damagedFilesLoadAndSaveClean_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Entries>("first");

    const QByteArray list("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=11\r\nImis2=a\r\n"
                          "[2]\r\nImis1=22\r\nImis2=b\r\n");
    const Entries listRows{{"11", "a"}, {"22", "b"}};
    QRandomGenerator random(20240611);
    QByteArray junk(256 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);

    QTest::newRow("binary junk") << junk << 0 << Entries{};
    QTest::newRow("junk before a list") << junk + "\r\n" + list << 2 << listRows;
    QTest::newRow("NUL bytes")
        << QByteArray("[MEUserData]\r\nIncout=2\0\0\r\n[1]\r\nImis1=1\0 23\r\nImis2=a\0b\r\n"
                      "\0\0[2]\r\nImis1=2\r\n",
                      71)
        << 2 << Entries{{"1", "a"}, {"", ""}};
    QTest::newRow("invalid GB18030")
        << QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=12\xFF\r\nImis2=\xCD\xAC\x81\r\n")
        << 1 << Entries{{QStringLiteral("12\uFFFD"), QStringLiteral("同\uFFFD")}};
    QByteArray bulk = list + "[junk]\r\n";
    const QByteArray line = "key=" + QByteArray(90, 'v') + "\r\n";
    bulk.reserve(50 * 1024 * 1024 + line.size());
    for (int i = 0; bulk.size() < 50 * 1024 * 1024; ++i)
        bulk += QByteArray::number(i) + line;
    QTest::newRow("50 MB") << bulk << 2 << listRows;
    const QByteArray megabyte(1024 * 1024, '7');
    QTest::newRow("1 MB lines") << "; " + megabyte + "\r\n[" + megabyte + "\r\n" + list + megabyte +
                                       "\r\n[3]\r\nImis1=" + megabyte + "\r\n"
                                << 2 << listRows;
    QTest::newRow("1 MB values") << "[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=" + megabyte + "\r\n"
                                 << 1 << Entries{{QString(199, u'7'), ""}};
    QTest::newRow("[section without ]")
        << QByteArray("[MEUserData]\r\nIncout=2\r\n[1\r\nImis1=5\r\n[2]\r\nImis1=6\r\n") << 2
        << Entries{{"", ""}, {"6", ""}};
    QTest::newRow("count section without ]")
        << QByteArray("[MEUserData\r\nIncout=2\r\n[1]\r\nImis1=5\r\n") << 0 << Entries{};
    QTest::newRow("CR alone ends no line")
        << QByteArray("[MEUserData]\rIncout=1\r[1]\rImis1=5\r") << 0 << Entries{};
}

void TestContactListFile::damagedFilesLoadAndSaveClean()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rows);
    QFETCH(Entries, first);
    QVERIFY(writeAll(listPath(), file));

    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), rows);
    for (int i = 1; i <= first.size(); ++i) {
        QCOMPARE(model.at(i).number, first[i - 1].number);
        QCOMPARE(model.at(i).remark, first[i - 1].remark);
    }

    // The next save writes a list that reads back exactly, whatever surrounds it.
    model.append(QStringLiteral("424242"), QStringLiteral("新朋友"));
    QVERIFY(ContactListFile::save(store, model));
    QCOMPARE(rawValue(listPath(), "MEUserData", "Incout"), QString::number(rows + 1));
    const Entries reloaded = loadList(listPath());
    QCOMPARE(reloaded.size(), rows + 1);
    for (int i = 1; i <= first.size(); ++i)
        QCOMPARE(reloaded[i - 1].number, first[i - 1].number);
    QCOMPARE(reloaded.last().number, QStringLiteral("424242"));
    QCOMPARE(reloaded.last().remark, QStringLiteral("新朋友"));
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
        // of the second one each time, from its very start to its end. The child can only
        // announce the start, so the point inside the save is reached by waiting that share.
        QByteArray seen;
        while (!seen.contains("saving 2\n")) {
            QVERIFY(child.waitForReadyRead(60000));
            seen += child.readAllStandardOutput();
        }
        const QByteArray firstSave = seen.split('\n').at(1); // "saved 1 <ms>"
        QVERIFY(firstSave.startsWith("saved 1 "));
        const int saveMs = firstSave.mid(8).toInt();
        if (attempt > 0)
            QTest::qWait(saveMs * attempt / (Attempts - 1));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Old or new file, never a mix: the count matches the sections, all of one round.
        const QByteArray bytes = readAll(listPath());
        QVERIFY(bytes.endsWith("\r\n"));
        const Entries entries = loadList(listPath());
        QCOMPARE(entries.size(), CrashListSize);
        const QString round = entries.first().remark.section(u' ', 0, 0);
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].number, QString::number(100000001 + i));
            QCOMPARE(entries[i].remark, round + u' ' + QString::number(i + 1));
        }
        QCOMPARE(rawValue(listPath(), QString::number(CrashListSize + 1), "Imis1"), QString());
    }
}

void TestContactListFile::directoryInTheWayIsNotOverwritten()
{
    QVERIFY(QDir().mkdir(listPath()));
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), 0);
    model.append(QStringLiteral("10001"), QStringLiteral("甲"));
    QVERIFY(!ContactListFile::save(store, model));
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
    const QString folder = m_dir->filePath(QStringLiteral("readonly"));
    QVERIFY(QDir().mkdir(folder));
    const QString withList = folder + QStringLiteral("/with");
    const QString withoutList = folder + QStringLiteral("/without");
    QVERIFY(QDir().mkdir(withList));
    QVERIFY(QDir().mkdir(withoutList));
    const QByteArray list("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=11\r\nImis2=a\r\n");
    const QString listFile = withList + u'/' + ContactListFile::FileName;
    QVERIFY(writeAll(listFile, list));
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), readable));
    QVERIFY(QFile::setPermissions(folder, readable));
    QVERIFY(QFile::setPermissions(withList, readable));
    QVERIFY(QFile::setPermissions(withoutList, readable));

    const auto run = [&](const QString& path) {
        QProcess child;
        QStringList arguments{QCoreApplication::applicationFilePath(), SaveOnceFlag, path};
        if (root) {
            arguments.prepend(QStringLiteral("--clear-groups"));
            arguments.prepend(QStringLiteral("--regid=65534"));
            arguments.prepend(QStringLiteral("--reuid=65534"));
            child.start(setpriv, arguments);
        } else {
            child.start(arguments.takeFirst(), arguments);
        }
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

    const auto writable = readable | QFile::WriteOwner;
    for (const QString& path : {withoutList, withList, folder, m_dir->path()})
        QVERIFY(QFile::setPermissions(path, writable));
}

void TestContactListFile::missingModule_data()
{
    QTest::addColumn<QByteArray>("moduleBytes"); // null: no module file at all

    QTest::newRow("no module file") << QByteArray();
    QTest::newRow("not a library") << QByteArray("MZ this is not a library");
    QTest::newRow("empty file") << QByteArray("");
}

void TestContactListFile::missingModule()
{
    QFETCH(QByteArray, moduleBytes);
    const QString module = m_dir->filePath(QStringLiteral("IniEnV.ocx"));
    if (!moduleBytes.isNull())
        QVERIFY(writeAll(module, moduleBytes));
    QVERIFY(writeAll(listPath(), "[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=11\r\nImis2=a\r\n"));
    const QByteArray before = readAll(listPath());

    ProfileStore store(module);
    QVERIFY(!store.isLoaded());
    store.setFileName(listPath());
    QVERIFY(!store.NewFile(m_dir->filePath(QStringLiteral("new.cfg"))));
    QCOMPARE(store.Load_Key("MEUserData", "Incout", 50), QString());
    QVERIFY(!store.Sav_Key("MEUserData", "Incout", "5"));
    QVERIFY(!store.commit());

    ContactListModel model;
    ContactListFile::load(store, listPath(), model);
    QCOMPARE(model.count(), 0);
    model.append(QStringLiteral("10001"), QStringLiteral("甲"));
    QVERIFY(!ContactListFile::save(store, model));
    QCOMPARE(readAll(listPath()), before);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("new.cfg"))));
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
