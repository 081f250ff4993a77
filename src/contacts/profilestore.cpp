#include "contacts/profilestore.h"

#include "../../components/profile/profilemoduleapi.h"

#include <QByteArray>
#include <QLibrary>
#include <algorithm>

struct ProfileStore::Private
{
    QLibrary library;
    IniEnvStore* store = nullptr;
    IniEnvDestroyFn destroy = nullptr;
    IniEnvFileNameFn fileName = nullptr;
    IniEnvNewFileFn newFile = nullptr;
    IniEnvLoadKeyFn loadKey = nullptr;
    IniEnvSavKeyFn savKey = nullptr;
    IniEnvCommitFn commit = nullptr;
    QByteArray buffer; // reused: the list load reads tens of thousands of values
};

ProfileStore::ProfileStore(const QString& modulePath) : d(std::make_unique<Private>())
{
    d->library.setFileName(modulePath);
    if (!d->library.load())
        return;
    const auto abiVersion =
        reinterpret_cast<IniEnvAbiVersionFn>(d->library.resolve("IniEnv_AbiVersion"));
    const auto create = reinterpret_cast<IniEnvCreateFn>(d->library.resolve("IniEnv_Create"));
    d->destroy = reinterpret_cast<IniEnvDestroyFn>(d->library.resolve("IniEnv_Destroy"));
    d->fileName = reinterpret_cast<IniEnvFileNameFn>(d->library.resolve("IniEnv_FileName"));
    d->newFile = reinterpret_cast<IniEnvNewFileFn>(d->library.resolve("IniEnv_NewFile"));
    d->loadKey = reinterpret_cast<IniEnvLoadKeyFn>(d->library.resolve("IniEnv_Load_Key"));
    d->savKey = reinterpret_cast<IniEnvSavKeyFn>(d->library.resolve("IniEnv_Sav_Key"));
    d->commit = reinterpret_cast<IniEnvCommitFn>(d->library.resolve("IniEnv_Commit"));
    // A module from another build that lacks an entry point or speaks another version is
    // treated like a missing one: reading gives "", nothing is written.
    if (!abiVersion || abiVersion() != INIENV_ABI_VERSION || !create || !d->destroy ||
        !d->fileName || !d->newFile || !d->loadKey || !d->savKey || !d->commit)
        return;
    d->store = create();
}

ProfileStore::~ProfileStore()
{
    if (d->store)
        d->destroy(d->store);
}

bool ProfileStore::isLoaded() const
{
    return d->store != nullptr;
}

void ProfileStore::setFileName(const QString& path)
{
    if (d->store)
        d->fileName(d->store, path.toUtf8().constData());
}

bool ProfileStore::NewFile(const QString& path)
{
    return d->store && d->newFile(d->store, path.toUtf8().constData()) != 0;
}

QString ProfileStore::Load_Key(const QString& section, const QString& key, qint16 bufferSize,
                               bool showErrors)
{
    Q_UNUSED(showErrors) // the module never shows a message of its own
    if (!d->store)
        return QString();
    const QByteArray sectionText = section.toUtf8();
    const QByteArray keyText = key.toUtf8();
    // Each byte of the file's text becomes at most three bytes of UTF-8.
    const int enough = 3 * std::max<int>(bufferSize, 0) + 4;
    if (d->buffer.size() < enough)
        d->buffer.resize(enough);
    int length = d->loadKey(d->store, sectionText.constData(), keyText.constData(), bufferSize,
                            d->buffer.data(), int(d->buffer.size()));
    if (length >= d->buffer.size()) {
        d->buffer.resize(length + 1);
        length = d->loadKey(d->store, sectionText.constData(), keyText.constData(), bufferSize,
                            d->buffer.data(), int(d->buffer.size()));
    }
    if (length <= 0 || length >= d->buffer.size())
        return QString();
    return QString::fromUtf8(d->buffer.constData(), length);
}

bool ProfileStore::Sav_Key(const QString& section, const QString& key, const QString& value,
                           bool showErrors)
{
    Q_UNUSED(showErrors)
    return d->store && d->savKey(d->store, section.toUtf8().constData(), key.toUtf8().constData(),
                                 value.toUtf8().constData()) != 0;
}

bool ProfileStore::commit()
{
    return d->store && d->commit(d->store) != 0;
}
