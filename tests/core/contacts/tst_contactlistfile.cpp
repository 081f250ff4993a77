// QQlist.cfg as the program reads and writes it, through the real store module.

#include "core/contacts/contactlistfile.h"
#include "core/contacts/profilestore.h"
#include "folders.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <cstdlib>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using Failure = ContactListFile::Failure;

namespace {
const QByteArray TwoEntries("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=11\r\nImis2=a\r\n"
                            "[2]\r\nImis1=22\r\nImis2=b\r\n");

QByteArray withRemark(const QByteArray& bytes)
{
    return QByteArray(TwoEntries).replace("Imis2=a", "Imis2=" + bytes);
}

// Loads the file, as the program does at start, lets change() work on the list, and saves.
ContactListFile::SaveOutcome loadChangeSave(const QString& path,
                                            const std::function<void(ContactListModel&)>& change)
{
    ContactListFile file(std::make_unique<ProfileStore>(PROFILE_MODULE), path);
    ContactListModel list;
    list.appendEntries(file.load());
    change(list);
    return file.save(list);
}

// Owner, group and others as QFile counts them (the bits of the user asking are left out).
int mode(const QString& path)
{
    return int(QFile::permissions(path)) & 0x7077;
}

ContactListFile::SaveOutcome save(const QString& path, const QStringList& entries)
{
    return loadChangeSave(path, [&](ContactListModel& list) {
        list.clear();
        for (const QString& entry : entries)
            list.append(ContactEntry::made(entry.section(u'|', 0, 0), entry.section(u'|', 1)));
    });
}
} // namespace

#ifdef Q_OS_LINUX
// In the child that saves for the kill test, the first write of more than one byte into the
// list's folder stops half way, and the child waits there to be killed: a crash in mid-save.
extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    const char* folder = std::getenv("STOP_WRITING_IN");
    if (folder && size > 1) {
        char link[64];
        char target[4096] = {};
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        if (readlink(link, target, sizeof target - 1) > 0 &&
            std::strncmp(target, folder, std::strlen(folder)) == 0) {
            syscall(SYS_write, fd, data, size / 2);
            syscall(SYS_write, STDOUT_FILENO, "stopped\n", 8);
            for (;;)
                pause();
        }
    }
    return syscall(SYS_write, fd, data, size);
}
#endif

class TstContactListFile final : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString listPath() const { return m_dir.filePath(ContactListFile::FileName); }

private slots:
    void savesExactly_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("from an empty file")
            << QByteArray() << QStringList{"123456|同学", "654321|同事"}
            << QByteArray(
                   "[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=123456\r\nImis2=\xCD\xAC\xD1\xA7"
                   "\r\n[2]\r\nImis1=654321\r\nImis2=\xCD\xAC\xCA\xC2\r\n");
        // Sections above the new count stay behind, untouched, and are not read; so do those past
        // the largest list, which a count over it leaves unread.
        const QByteArray past("[32768]\r\nImis1=9\r\nImis2=z\r\n");
        QTest::newRow("1 over 2, counted past the largest list")
            << QByteArray(TwoEntries).replace("Incout=2", "Incout=40000") + past
            << QStringList{"7|😀"}
            << QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=7\r\nImis2=\x94\x39\xFC\x36"
                          "\r\n[2]\r\nImis1=22\r\nImis2=b\r\n") +
                   past;
        QTest::newRow("empty list") << TwoEntries << QStringList()
                                    << QByteArray(TwoEntries).replace("Incout=2", "Incout=0");
    }
    void savesExactly()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, after);
        QVERIFY(writeFile(listPath(), before));
        QVERIFY(QFile::setPermissions(listPath(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const int permissions = mode(listPath());
        QVERIFY(save(listPath(), entries).saved());
        QCOMPARE(readFile(listPath()), after);
        QCOMPARE(entriesIn(listPath()), entries);
        QCOMPARE(mode(listPath()),
                 permissions); // the file keeps its mode (owner rw, group r on Linux)
    }

    // What the program makes of a file it did not write itself.
    void readsAs_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        const auto count = [](const QByteArray& n) {
            return QByteArray(TwoEntries).replace("Incout=2", "Incout=" + n);
        };
        const QStringList two{"11|a", "22|b"};
        QTest::newRow("no file") << QByteArray() << QStringList();
        QTest::newRow("count abc") << count("abc") << QStringList();
        QTest::newRow("count -5") << count("-5") << QStringList();
        QTest::newRow("count 3, 2 sections") << count("3") << two + QStringList{"|"};
        QTest::newRow("count 99999")
            << count("99999") << two + QStringList(ContactListFile::MaxEntries - 2, "|");
        QTest::newRow("count in 49 bytes") << count(QByteArray(48, '0') + '2') << two;
        QTest::newRow("count in 50 bytes") << count(QByteArray(49, '0') + '2') << QStringList();
        QTest::newRow("remark of 200 bytes")
            << withRemark(QByteArray(200, '1')) << QStringList{"11|" + QString(199, u'1'), two[1]};
        QTest::newRow("character across byte 199")
            << withRemark(QByteArray("\xCD\xAC").repeated(100))
            << QStringList{"11|" + QString(99, u'同'), two[1]};
        QTest::newRow("NUL in a remark")
            << withRemark(QByteArray("x\0y", 3)) << QStringList{"11|x", two[1]};
        QTest::newRow("invalid GB18030")
            << withRemark("\xCD\xAC\xFF") << QStringList{"11|同\uFFFD", two[1]};
        QTest::newRow("UTF-8 byte order mark") << "\xEF\xBB\xBF" + TwoEntries << two;
        QTest::newRow("CR line ends") << QByteArray(TwoEntries).replace("\r\n", "\r") << two;
        QTest::newRow("LF line ends") << QByteArray(TwoEntries).replace("\r\n", "\n") << two;
    }
    void readsAs()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        QVERIFY(file.isEmpty() ? !QFile::exists(listPath()) || QFile::remove(listPath())
                               : writeFile(listPath(), file));
        QCOMPARE(entriesIn(listPath()), entries);
        QCOMPARE(readFile(listPath()), file); // reading never writes; a missing file is made empty
    }

    // An entry nobody changed goes back byte for byte, whatever its number and remark hold; what
    // moves is only its section.
    void writesBackWhatItRead_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // of a number and its remark
        QTest::newRow("invalid GB18030") << QByteArray("\xCD\xAC\xFF\x81");
        QTest::newRow("UTF-8") << QByteArray("同学");
        QTest::newRow("300 bytes") << QByteArray("\xCD\xAC").repeated(150);
        QTest::newRow("NUL inside") << QByteArray("x\0y", 3);
        QTest::newRow("quoted, with blanks") << QByteArray("\" a \"");
    }
    void writesBackWhatItRead()
    {
        QFETCH(QByteArray, bytes);
        // After the entry before it is deleted, the second entry's bytes stand in section 1.
        const QByteArray entry = "Imis1=" + bytes + "\r\nImis2=" + bytes + "\r\n";
        QVERIFY(writeFile(listPath(),
                          QByteArray(TwoEntries).replace("Imis1=22\r\nImis2=b\r\n", entry)));
        QVERIFY(loadChangeSave(listPath(), [](ContactListModel& list) { list.remove(0); }).saved());
        QVERIFY(readFile(listPath()).startsWith("[MEUserData]\r\nIncout=1\r\n[1]\r\n" + entry));
    }

    // A save that cannot happen says why and leaves the file as it was; it loses changes only
    // where the file lacks them and was read. A list that is what the file holds is not written.
    void failedSave_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<bool>("lost");
        const Failure readOnly = Failure::FolderNotWritable;
        QTest::newRow("read-only folder") << "folder" << TwoEntries << readOnly << true;
        QTest::newRow("read-only list file")
            << "file" << TwoEntries << Failure::FileReadOnly << true;
        QTest::newRow("full disk") << "disk" << TwoEntries << Failure::DiskFull << true;
        QTest::newRow("no store module") << "module" << TwoEntries << Failure::NoModule << false;
        // Saved, the count would read 32767: the file would change, the list does not.
        QTest::newRow("read-only folder, nothing changed, counted past the largest list")
            << "folder unchanged" << QByteArray(TwoEntries).replace("t=2", "t=32800")
            << Failure::None << false;
        QTest::newRow("read-only folder, an entry changed, not saved, changed back")
            << "folder changed back" << TwoEntries << Failure::None << false;
        QTest::newRow("read-only folder, no list file, empty list")
            << "folder without a list" << QByteArray() << Failure::None << false;
    }
    void failedSave()
    {
        QFETCH(QString, obstacle);
        QFETCH(QByteArray, before);
        QFETCH(Failure, failure);
        QFETCH(bool, lost);
        const QString folder = m_dir.filePath(obstacle);
        const QString path = folder + "/QQlist.cfg";
        QVERIFY(QDir().mkpath(folder));
        std::optional<MountedFolder> mount;
        if (obstacle == "disk") {
            mount.emplace(folder, MountedFolder::Full);
            if (!mount->isReady())
                QSKIP("mounting needs root");
            QVERIFY(writeFile(path, before));
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
            }
        } else if (!before.isEmpty()) {
            QVERIFY(writeFile(path, before));
        }
        if (obstacle == "file")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        const int permissions = mode(path);
        if (obstacle.startsWith("folder")) {
            mount.emplace(folder, MountedFolder::ReadOnly);
            if (!mount->isReady())
                QSKIP("mounting needs root");
        }
        ContactListFile file(std::make_unique<ProfileStore>(
                                 obstacle == "module" ? folder + "/IniEnV.ocx" : PROFILE_MODULE),
                             path);
        ContactListModel list;
        list.appendEntries(file.load());
        for (int i = 0; i < 100 && obstacle.count(' ') == 0; ++i)
            list.append(ContactEntry::made("12345", "新的"));
        if (obstacle.endsWith("back")) { // the keys written are set back to what the file holds
            list.remove(1);
            list.append(ContactEntry::made("33", "c"));
            QVERIFY(file.save(list).changesLost);
            list.remove(1);
            list.append(ContactEntry::made("22", "b"));
        }
        const ContactListFile::SaveOutcome outcome = file.save(list);
        QCOMPARE(outcome.failure, failure);
        QCOMPARE(outcome.changesLost, lost);
        QCOMPARE(readFile(path), before);
        QCOMPARE(mode(path), permissions);
    }

#ifdef Q_OS_LINUX
    // Killed in the middle of writing the new list, the program leaves the old one whole.
    void killedWhileSaving()
    {
        QVERIFY(writeFile(listPath(), TwoEntries));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("STOP_WRITING_IN", QDir(m_dir.path()).canonicalPath());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"--save", listPath()});
        QVERIFY(child.waitForReadyRead(30000));
        QCOMPARE(child.readAllStandardOutput(), QByteArray("stopped\n"));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(readFile(listPath()), TwoEntries);
    }
#endif
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == "--save") // the saving child of killedWhileSaving
        return save(app.arguments().at(2), QStringList(500, "10001|同学")).saved() ? 0 : 3;
    TstContactListFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_contactlistfile.moc"
