// QQlist.cfg as the program reads and writes it, through ProfileStore and the real module.

#include "contacts/contactlistfile.h"
#include "contacts/contactlistmodel.h"
#include "contacts/profilestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {
const QString ModulePath = QStringLiteral(LANTERNIX_PROFILE_MODULE);
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
QStringList loadList(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    QStringList result;
    for (int i = 1; i <= model.count(); ++i)
        result.append(model.at(i).number + u'|' + model.at(i).remark);
    return result;
}

// Saves the entries over the list the store loaded before, as the program does.
bool saveList(ProfileStore& store, ContactListModel& model, const QStringList& entries)
{
    model.clear();
    for (const QString& entry : entries)
        model.append(entry.section(u'|', 0, 0), entry.section(u'|', 1));
    return ContactListFile::save(store, model);
}

bool saveList(const QString& path, const QStringList& entries)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    return saveList(store, model, entries);
}

QStringList numbered(int count, const QString& remarkPrefix)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries.append(QStringLiteral("%1|%2%3").arg(100000000 + i).arg(remarkPrefix).arg(i));
    return entries;
}

// Child mode: loads once, then saves a list of one size over and over, each round with its own
// remarks, announcing each save before it starts and its duration after it. Ends 3 when refused.
int keepSaving(const QString& path)
{
    ProfileStore store(ModulePath);
    ContactListModel model;
    ContactListFile::load(store, path, model);
    QElapsedTimer timer;
    for (int round = 1; round <= 2000; ++round) {
        const QStringList entries = numbered(CrashListSize, QStringLiteral("第%1轮 ").arg(round));
        std::printf("saving %d\n", round);
        std::fflush(stdout);
        timer.start();
        if (!saveList(store, model, entries))
            return 3;
        std::printf("saved %d %lld\n", round, timer.elapsed());
        std::fflush(stdout);
    }
    return 0;
}

const QByteArray OneEntry("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=11\r\nImis2=a\r\n");
const QByteArray TwoEntries("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=11\r\nImis2=a\r\n"
                            "[2]\r\nImis1=22\r\nImis2=b\r\n");
const QStringList TwoRows{"11|a", "22|b"};
} // namespace

class TestContactListFile final : public QObject
{
    Q_OBJECT
    // Every test writes the file it starts from.
    QString listPath() const { return m_dir.filePath(ContactListFile::FileName); }
    QTemporaryDir m_dir;

private slots:
    void savesExactly_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("worked example, from an empty file")
            << QByteArray("") << QStringList{"123456|同学", "654321|同事"}
            << QByteArray(
                   "[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=123456\r\nImis2=\xCD\xAC\xD1\xA7"
                   "\r\n[2]\r\nImis1=654321\r\nImis2=\xCD\xAC\xCA\xC2\r\n");
        // Sections above the new count stay in the file, untouched, and are not read.
        const QByteArray five("[MEUserData]\r\nIncout=5\r\n[1]\r\nImis1=1\r\n[2]\r\nImis1=2\r\n"
                              "[3]\r\nImis1=3\r\n[4]\r\nImis1=4\r\n[5]\r\nImis1=5\r\n");
        QTest::newRow("3 over 5")
            << five << QStringList{"7|a", "8|b", "9|c"}
            << QByteArray("[MEUserData]\r\nIncout=3\r\n[1]\r\nImis1=7\r\nImis2=a\r\n[2]\r\nImis1=8"
                          "\r\nImis2=b\r\n[3]\r\nImis1=9\r\nImis2=c\r\n[4]\r\nImis1=4\r\n[5]"
                          "\r\nImis1=5\r\n");
    }

    void savesExactly()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, after);
        QVERIFY(writeAll(listPath(), before));
        QVERIFY(saveList(listPath(), entries));
        QCOMPARE(readAll(listPath()), after);
        QCOMPARE(loadList(listPath()), entries);
    }

    // What the program makes of a file, and that the next save writes a list that reads back
    // exactly, whatever surrounds it.
    void fileReadsAs_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        const auto count = [](const QByteArray& n) {
            return QByteArray(TwoEntries).replace("Incout=2", "Incout=" + n);
        };
        const auto remark = [](const QByteArray& bytes) {
            return QByteArray(OneEntry).replace("Imis2=a", "Imis2=" + bytes);
        };
        QByteArray junk(256 * 1024, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);
        QByteArray bulk = TwoEntries + "[junk]\r\n";
        for (int i = 0; bulk.size() < 50 * 1024 * 1024; ++i)
            bulk += QByteArray::number(i) + "key=" + QByteArray(90, 'v') + "\r\n";
        const QByteArray mb(1024 * 1024, '7');

        QTest::newRow("count \"\"") << count("") << QStringList();
        QTest::newRow("count abc") << count("abc") << QStringList();
        QTest::newRow("count -5") << count("-5") << QStringList();
        QTest::newRow("count 3, 2 sections") << count("3") << TwoRows + QStringList{"|"};
        QTest::newRow("count 99999")
            << count("99999") << TwoRows + QStringList(ContactListFile::MaxEntries - 2, "|");
        QTest::newRow("count in 49 bytes") << count(QByteArray(48, '0') + '2') << TwoRows;
        QTest::newRow("count in 50 bytes") << count(QByteArray(49, '0') + '2') << QStringList();
        QTest::newRow("remark of 200 bytes")
            << remark(QByteArray(200, '1')) << QStringList{"11|" + QString(199, u'1')};
        QTest::newRow("character across byte 199") << remark(QByteArray("\xCD\xAC").repeated(100))
                                                   << QStringList{"11|" + QString(99, u'同')};
        QTest::newRow("binary junk") << junk << QStringList();
        QTest::newRow("NUL bytes")
            << QByteArray("[MEUserData]\r\nIncout=2\0\0\r\n[1]\r\nImis1=1\0 23"
                          "\r\nImis2=a\0b\r\n\0\0[2]\r\nImis1=2\r\n",
                          71)
            << QStringList{"1|a", "|"};
        QTest::newRow("invalid GB18030") << QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=12"
                                                       "\xFF\r\nImis2=\xCD\xAC\x81\r\n")
                                         << QStringList{QStringLiteral("12\uFFFD|同\uFFFD")};
        QTest::newRow("50 MB") << bulk << TwoRows;
        QTest::newRow("1 MB lines")
            << "; " + mb + "\r\n[" + mb + "\r\n" + TwoEntries + mb << TwoRows;
        QTest::newRow("[x without ]")
            << QByteArray("[MEUserData]\r\nIncout=2\r\n[1\r\nImis1=5\r\n[2]\r\nImis1=6\r\n")
            << QStringList{"|", "6|"};
    }

    void fileReadsAs()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        QVERIFY(writeAll(listPath(), file));
        QCOMPARE(loadList(listPath()), entries);
        QVERIFY(readAll(listPath()) == file); // loading never writes
        if (entries.size() < ContactListFile::MaxEntries) {
            entries.append("424242|小明😀");
            QVERIFY(saveList(listPath(), entries));
            QCOMPARE(loadList(listPath()), entries);
        }
    }

    void killedWhileSavingLeavesAWholeFile()
    {
        QVERIFY(writeAll(listPath(), QByteArray()));
        constexpr int Attempts = 8;
        for (int attempt = 0; attempt < Attempts; ++attempt) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--keep-saving", listPath()});
            // The first save tells how long a save takes; the kill then falls at a different
            // point of the second one each time, from its very start to its end.
            QByteArray seen;
            while (!seen.contains("saving 2\n")) {
                QVERIFY(child.waitForReadyRead(60000));
                seen += child.readAllStandardOutput();
            }
            const QByteArray firstSave = seen.split('\n').at(1); // "saved 1 <ms>"
            QVERIFY(firstSave.startsWith("saved 1 "));
            QTest::qWait(firstSave.mid(8).toInt() * attempt / (Attempts - 1));
            child.kill();
            QVERIFY(child.waitForFinished());

            // Old or new file, never a mix: the count matches the sections, all of one round.
            const QStringList entries = loadList(listPath());
            QCOMPARE(entries.size(), CrashListSize);
            const QString round = entries.first().section(u'|', 1).section(u' ', 0, 0);
            QCOMPARE(entries, numbered(CrashListSize, round + u' '));
        }
    }

    void readOnlyFolder()
    {
        QVERIFY(writeAll(listPath(), OneEntry));
        const auto readable =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(m_dir.path(), readable));
        // Root writes through permission bits, so then the attempt runs without that right.
        QStringList command{QCoreApplication::applicationFilePath(), "--keep-saving", listPath()};
        if (geteuid() == 0)
            command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} +
                      command;
        QProcess child;
        child.start(command.takeFirst(), command);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.readAllStandardOutput(), QByteArray("saving 1\n"));
        QCOMPARE(child.exitCode(), 3); // refused
        QCOMPARE(readAll(listPath()), OneEntry);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{ContactListFile::FileName});
        QVERIFY(QFile::setPermissions(m_dir.path(), readable | QFile::WriteOwner));
    }

    void missingModule()
    {
        QVERIFY(writeAll(listPath(), OneEntry));
        ProfileStore store(m_dir.filePath(QStringLiteral("IniEnV.ocx")));
        store.setFileName(listPath());
        QCOMPARE(store.Load_Key("MEUserData", "Incout", 50), QString());
        QVERIFY(!store.Sav_Key("MEUserData", "Incout", "5"));
        QVERIFY(!store.commit());
        QCOMPARE(readAll(listPath()), OneEntry);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments().at(1) == "--keep-saving")
        return keepSaving(app.arguments().at(2));
    TestContactListFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_contactlistfile.moc"
