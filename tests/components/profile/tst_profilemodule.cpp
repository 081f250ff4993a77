// The module as the program meets it: the built shared library, loaded from its file, driven
// only through its C entry points.

#include "profilemoduleapi.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

namespace {
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
} // namespace

class TestProfileModule final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportsItsEntryPoints();
    void newFileCreatesOnlyWhatIsMissing_data();
    void newFileCreatesOnlyWhatIsMissing();
    void readsNothingFromAMissingFile();
    void loadKeyStopsAtTheBuffer_data();
    void loadKeyStopsAtTheBuffer();
    void outputBufferTooSmallAsksForMore();
    void savedKeysWaitForCommit();
    void commitKeepsChangesMadeMeanwhile();
    void commitIntoADirectoryFailsAndKeepsChanges();
    void refusesWhatItCannotStore();
    void survivesNullArguments();

private:
    QString load(const char* section, const char* key, int bufferSize);
    QString path(const QString& name) const { return m_dir->filePath(name); }

    QLibrary m_library;
    IniEnvAbiVersionFn m_abiVersion = nullptr;
    IniEnvCreateFn m_create = nullptr;
    IniEnvDestroyFn m_destroy = nullptr;
    IniEnvFileNameFn m_fileName = nullptr;
    IniEnvNewFileFn m_newFile = nullptr;
    IniEnvLoadKeyFn m_loadKey = nullptr;
    IniEnvSavKeyFn m_savKey = nullptr;
    IniEnvCommitFn m_commit = nullptr;
    IniEnvStore* m_store = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileModule::initTestCase()
{
    m_library.setFileName(QStringLiteral(LANTERNIX_PROFILE_MODULE));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_abiVersion = reinterpret_cast<IniEnvAbiVersionFn>(m_library.resolve("IniEnv_AbiVersion"));
    m_create = reinterpret_cast<IniEnvCreateFn>(m_library.resolve("IniEnv_Create"));
    m_destroy = reinterpret_cast<IniEnvDestroyFn>(m_library.resolve("IniEnv_Destroy"));
    m_fileName = reinterpret_cast<IniEnvFileNameFn>(m_library.resolve("IniEnv_FileName"));
    m_newFile = reinterpret_cast<IniEnvNewFileFn>(m_library.resolve("IniEnv_NewFile"));
    m_loadKey = reinterpret_cast<IniEnvLoadKeyFn>(m_library.resolve("IniEnv_Load_Key"));
    m_savKey = reinterpret_cast<IniEnvSavKeyFn>(m_library.resolve("IniEnv_Sav_Key"));
    m_commit = reinterpret_cast<IniEnvCommitFn>(m_library.resolve("IniEnv_Commit"));
}

void TestProfileModule::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(m_create);
    m_store = m_create();
    QVERIFY(m_store);
}

void TestProfileModule::cleanup()
{
    if (m_store && m_destroy)
        m_destroy(m_store);
    m_store = nullptr;
    m_dir.reset();
}

QString TestProfileModule::load(const char* section, const char* key, int bufferSize)
{
    QByteArray out(4 * qMax(bufferSize, 1) + 8, 'x');
    const int length = m_loadKey(m_store, section, key, bufferSize, out.data(), int(out.size()));
    if (length < 0 || length >= out.size() || out.at(length) != '\0')
        return QStringLiteral("<bad answer>");
    return QString::fromUtf8(out.constData(), length);
}

void TestProfileModule::exportsItsEntryPoints()
{
    QVERIFY(m_abiVersion && m_create && m_destroy && m_fileName && m_newFile && m_loadKey &&
            m_savKey && m_commit);
    QCOMPARE(m_abiVersion(), INIENV_ABI_VERSION);
}

void TestProfileModule::newFileCreatesOnlyWhatIsMissing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: nothing there before
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("after"); // null: no file afterwards

    QTest::newRow("missing") << "QQlist.cfg" << QByteArray() << true << QByteArray("");
    QTest::newRow("empty") << "QQlist.cfg" << QByteArray("") << true << QByteArray("");
    const QByteArray list("[MEUserData]\nIncout=1\n[1]\nImis1=1\nImis2=x");
    QTest::newRow("with content") << "QQlist.cfg" << list << true << list;
    QTest::newRow("in a missing folder")
        << "nowhere/QQlist.cfg" << QByteArray() << false << QByteArray();
    QTest::newRow("chinese name") << QStringLiteral("名单.cfg") << QByteArray() << true
                                  << QByteArray("");
}

void TestProfileModule::newFileCreatesOnlyWhatIsMissing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, result);
    QFETCH(QByteArray, after);
    const QString file = path(name);
    if (!content.isNull())
        QVERIFY(writeAll(file, content));
    QCOMPARE(m_newFile(m_store, file.toUtf8().constData()) == 1, result);
    QCOMPARE(QFile::exists(file), !after.isNull());
    if (!after.isNull())
        QCOMPARE(readAll(file), after);
    // A second call changes nothing either.
    QCOMPARE(m_newFile(m_store, file.toUtf8().constData()) == 1, result);
    if (!after.isNull())
        QCOMPARE(readAll(file), after);
}

void TestProfileModule::readsNothingFromAMissingFile()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(load("MEUserData", "Incout", 50), QString());
    QVERIFY(!QFile::exists(file)); // reading never creates the file
    QVERIFY(m_newFile(m_store, QDir(path("sub")).path().toUtf8().constData()) == 1);
    m_fileName(m_store, path("sub").toUtf8().constData());
    QCOMPARE(load("s", "k", 50), QString());
}

void TestProfileModule::loadKeyStopsAtTheBuffer_data()
{
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<QString>("expected");

    // The value is 同学同事😀!: 2 + 2 + 2 + 2 + 4 + 1 bytes in the file.
    QTest::newRow("all") << 200 << QStringLiteral("同学同事😀!");
    QTest::newRow("exactly all") << 14 << QStringLiteral("同学同事😀!");
    QTest::newRow("all but the last byte") << 13 << QStringLiteral("同学同事😀");
    QTest::newRow("inside the emoji") << 12 << QStringLiteral("同学同事");
    QTest::newRow("inside a character") << 4 << QStringLiteral("同");
    QTest::newRow("one character") << 3 << QStringLiteral("同");
    QTest::newRow("room for nothing") << 1 << QString();
    QTest::newRow("no buffer") << 0 << QString();
    QTest::newRow("negative buffer") << -5 << QString();
}

void TestProfileModule::loadKeyStopsAtTheBuffer()
{
    QFETCH(int, bufferSize);
    QFETCH(QString, expected);
    const QString file = path(QStringLiteral("QQlist.cfg"));
    QVERIFY(writeAll(file, QByteArray("[1]\r\nImis2=\xCD\xAC\xD1\xA7\xCD\xAC\xCA\xC2"
                                      "\x94\x39\xFC\x36!\r\n")));
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(load("1", "Imis2", bufferSize), expected);
}

void TestProfileModule::outputBufferTooSmallAsksForMore()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    QVERIFY(writeAll(file, QByteArray("[s]\r\nk=\xCD\xAC\xD1\xA7\r\n")));
    m_fileName(m_store, file.toUtf8().constData());
    char small[4] = {'x', 'x', 'x', 'x'};
    QCOMPARE(m_loadKey(m_store, "s", "k", 200, small, 4), 6); // 同学 is six bytes of UTF-8
    QCOMPARE(small[0], '\0');
    char enough[7];
    QCOMPARE(m_loadKey(m_store, "s", "k", 200, enough, 7), 6);
    QCOMPARE(QString::fromUtf8(enough), QStringLiteral("同学"));
    QCOMPARE(m_loadKey(m_store, "s", "k", 200, nullptr, 0), 6);
}

void TestProfileModule::savedKeysWaitForCommit()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    QVERIFY(m_newFile(m_store, file.toUtf8().constData()));
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(m_savKey(m_store, "MEUserData", "Incout", "1"), 1);
    QCOMPARE(m_savKey(m_store, "1", "Imis1", "10001"), 1);
    QCOMPARE(m_savKey(m_store, "1", "Imis2", "小明 😀"), 1);
    QCOMPARE(load("1", "Imis2", 200), QStringLiteral("小明 😀"));
    QCOMPARE(readAll(file), QByteArray("")); // nothing written before commit
    QCOMPARE(m_commit(m_store), 1);
    QCOMPARE(readAll(file), QByteArray("[MEUserData]\r\nIncout=1\r\n[1]\r\nImis1=10001\r\n"
                                       "Imis2=\xD0\xA1\xC3\xF7 \x94\x39\xFC\x36\r\n"));
    QCOMPARE(m_commit(m_store), 1); // nothing pending is no failure

    IniEnvStore* other = m_create();
    m_fileName(other, file.toUtf8().constData());
    QByteArray out(64, '\0');
    QCOMPARE(m_loadKey(other, "1", "Imis1", 200, out.data(), 64), 5);
    QCOMPARE(out.constData(), "10001");
    m_destroy(other);
}

void TestProfileModule::commitKeepsChangesMadeMeanwhile()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    QVERIFY(writeAll(file, "[s]\r\na=1\r\n"));
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(load("s", "a", 50), QStringLiteral("1"));
    QCOMPARE(m_savKey(m_store, "s", "b", "2"), 1);
    // Someone else writes the file between our read and our commit.
    QVERIFY(writeAll(file, "; hand-made\r\n[s]\r\na=7\r\n[t]\r\nc=3\r\n"));
    QCOMPARE(m_commit(m_store), 1);
    QCOMPARE(readAll(file), QByteArray("; hand-made\r\n[s]\r\na=7\r\nb=2\r\n[t]\r\nc=3\r\n"));
    QCOMPARE(load("t", "c", 50), QStringLiteral("3"));

    // A second commit with nobody in between writes on top of the first.
    QCOMPARE(m_savKey(m_store, "t", "c", "4"), 1);
    QCOMPARE(m_commit(m_store), 1);
    QCOMPARE(readAll(file), QByteArray("; hand-made\r\n[s]\r\na=7\r\nb=2\r\n[t]\r\nc=4\r\n"));
    // And a third after another hand edit keeps that edit too.
    QVERIFY(writeAll(file, "[s]\r\nb=2\r\n"));
    QCOMPARE(m_savKey(m_store, "u", "d", "5"), 1);
    QCOMPARE(m_commit(m_store), 1);
    QCOMPARE(readAll(file), QByteArray("[s]\r\nb=2\r\n[u]\r\nd=5\r\n"));
    QCOMPARE(load("t", "c", 50), QString());
}

void TestProfileModule::commitIntoADirectoryFailsAndKeepsChanges()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    QVERIFY(QDir().mkdir(file));
    QCOMPARE(m_newFile(m_store, file.toUtf8().constData()), 0);
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(load("MEUserData", "Incout", 50), QString());
    QCOMPARE(m_savKey(m_store, "MEUserData", "Incout", "0"), 1);
    QCOMPARE(m_commit(m_store), 0);
    QVERIFY(QFileInfo(file).isDir());
    QCOMPARE(QDir(file).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    // Once the way is free, the pending change is written.
    QVERIFY(QDir().rmdir(file));
    QCOMPARE(m_commit(m_store), 1);
    QCOMPARE(readAll(file), QByteArray("[MEUserData]\r\nIncout=0\r\n"));
}

void TestProfileModule::refusesWhatItCannotStore()
{
    const QString file = path(QStringLiteral("QQlist.cfg"));
    m_fileName(m_store, file.toUtf8().constData());
    QCOMPARE(m_savKey(m_store, "", "k", "v"), 0);
    QCOMPARE(m_savKey(m_store, "s", "a=b", "v"), 0);
    QCOMPARE(m_savKey(m_store, "s\r\nx", "k", "v"), 0);
    QCOMPARE(m_commit(m_store), 1);
    QVERIFY(!QFile::exists(file));
}

void TestProfileModule::survivesNullArguments()
{
    char out[8] = "x";
    QCOMPARE(m_loadKey(nullptr, "s", "k", 50, out, 8), -1);
    QCOMPARE(out[0], '\0');
    QCOMPARE(m_savKey(nullptr, "s", "k", "v"), 0);
    QCOMPARE(m_newFile(nullptr, "x"), 0);
    QCOMPARE(m_commit(nullptr), 0);
    m_fileName(nullptr, "x");
    m_destroy(nullptr);
    // Null strings are "": no file name, no section, no key.
    m_fileName(m_store, nullptr);
    QCOMPARE(m_newFile(m_store, nullptr), 0);
    QCOMPARE(m_loadKey(m_store, nullptr, nullptr, 50, out, 8), 0);
    QCOMPARE(m_savKey(m_store, "s", "k", nullptr), 1);
    QCOMPARE(m_commit(m_store), 0); // no file to write to
}

QTEST_GUILESS_MAIN(TestProfileModule)
#include "tst_profilemodule.moc"
