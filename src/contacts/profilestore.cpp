#include "contacts/profilestore.h"

#include "platform/modules.h"
#include "profile/profilemoduleapi.h"

#include <QByteArray>
#include <algorithm>

struct ProfileStore::Private
{
    explicit Private(const QString& modulePath) : module(modulePath) {}

    Module module;
    IniEnvStore* store = nullptr;
    IniEnvDestroyFn destroy = nullptr;
    IniEnvFileNameFn fileName = nullptr;
    IniEnvNewFileFn newFile = nullptr;
    IniEnvLoadKeyFn loadKey = nullptr;
    IniEnvSavKeyFn savKey = nullptr;
    IniEnvCommitFn commit = nullptr;
    QByteArray buffer; // reused: the list load reads tens of thousands of values
};

ProfileStore::ProfileStore(const QString& modulePath) : d(std::make_unique<Private>(modulePath))
{
    Module& module = d->module;
    const auto abiVersion = module.resolve<IniEnvAbiVersionFn>("IniEnv_AbiVersion");
    const auto create = module.resolve<IniEnvCreateFn>("IniEnv_Create");
    d->destroy = module.resolve<IniEnvDestroyFn>("IniEnv_Destroy");
    d->fileName = module.resolve<IniEnvFileNameFn>("IniEnv_FileName");
    d->newFile = module.resolve<IniEnvNewFileFn>("IniEnv_NewFile");
    d->loadKey = module.resolve<IniEnvLoadKeyFn>("IniEnv_Load_Key");
    d->savKey = module.resolve<IniEnvSavKeyFn>("IniEnv_Sav_Key");
    d->commit = module.resolve<IniEnvCommitFn>("IniEnv_Commit");
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
