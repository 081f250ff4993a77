#include "core/contacts/profilestore.h"

#include "config/logging.h"
#include "platform/modulelibrary.h"
#include "profile/profilestoreapi.h"

#include <algorithm>

struct ProfileStore::EntryPoints
{
    explicit EntryPoints(const ModuleLibrary& module)
        : version(module.resolve<ProfileStoreAbiVersionFn>("profile_store_abi_version")),
          create(module.resolve<ProfileStoreCreateFn>("profile_store_create")),
          destroy(module.resolve<ProfileStoreDestroyFn>("profile_store_destroy")),
          useFile(module.resolve<ProfileStoreUseFileFn>("profile_store_use_file")),
          createFile(module.resolve<ProfileStoreCreateFileFn>("profile_store_create_file")),
          readText(module.resolve<ProfileStoreReadTextFn>("profile_store_read_text")),
          readBytes(module.resolve<ProfileStoreReadBytesFn>("profile_store_read_bytes")),
          writeText(module.resolve<ProfileStoreWriteTextFn>("profile_store_write_text")),
          writeBytes(module.resolve<ProfileStoreWriteBytesFn>("profile_store_write_bytes")),
          commit(module.resolve<ProfileStoreCommitFn>("profile_store_commit")),
          failureDetail(module.resolve<ProfileStoreFailureDetailFn>("profile_store_failure_detail"))
    {}

    // A module of another build, one that lacks an entry point or speaks another version, is
    // taken for a missing one.
    bool complete() const
    {
        return version && version() == PROFILE_STORE_ABI_VERSION && create && destroy && useFile &&
               createFile && readText && readBytes && writeText && writeBytes && commit &&
               failureDetail;
    }

    ProfileStoreAbiVersionFn version;
    ProfileStoreCreateFn create;
    ProfileStoreDestroyFn destroy;
    ProfileStoreUseFileFn useFile;
    ProfileStoreCreateFileFn createFile;
    ProfileStoreReadTextFn readText;
    ProfileStoreReadBytesFn readBytes;
    ProfileStoreWriteTextFn writeText;
    ProfileStoreWriteBytesFn writeBytes;
    ProfileStoreCommitFn commit;
    ProfileStoreFailureDetailFn failureDetail;
};

namespace {
ProfileStore::Failure failureOf(int commitResult)
{
    switch (commitResult) {
    case PROFILE_STORE_FOLDER_NOT_WRITABLE:
        return ProfileStore::Failure::FolderNotWritable;
    case PROFILE_STORE_FILE_READ_ONLY:
        return ProfileStore::Failure::FileReadOnly;
    case PROFILE_STORE_DISK_FULL:
        return ProfileStore::Failure::DiskFull;
    case PROFILE_STORE_FILE_UNREADABLE:
        return ProfileStore::Failure::FileUnreadable;
    default:
        return ProfileStore::Failure::WriteFailed;
    }
}
} // namespace

ProfileStore::ProfileStore(const QString& modulePath)
    : m_module(std::make_unique<ModuleLibrary>(modulePath)),
      m_call(std::make_unique<EntryPoints>(*m_module))
{
    if (!m_call->complete()) {
        qCWarning(lcList) << "store module" << modulePath << "not usable:"
                          << (m_module->isLoaded() ? QStringLiteral("entry points missing")
                                                   : m_module->errorString());
        return;
    }
    m_store = m_call->create();
}

ProfileStore::~ProfileStore()
{
    if (m_store)
        m_call->destroy(m_store);
}

void ProfileStore::useFile(const QString& path)
{
    if (m_store)
        m_call->useFile(m_store, path.toUtf8().constData());
}

bool ProfileStore::createFile(const QString& path)
{
    return m_store && m_call->createFile(m_store, path.toUtf8().constData()) == 1;
}

QString ProfileStore::readText(const QString& section, const QString& key, int maxBytes)
{
    if (!m_store)
        return QString();
    const QByteArray sectionText = section.toUtf8();
    const QByteArray keyText = key.toUtf8();
    // Each byte of the file's text becomes at most three bytes of UTF-8.
    const int enough = 3 * std::max(maxBytes, 0) + 4;
    if (m_buffer.size() < enough)
        m_buffer.resize(enough);
    const int length = m_call->readText(m_store, sectionText.constData(), keyText.constData(),
                                        maxBytes, m_buffer.data(), int(m_buffer.size()));
    if (length <= 0 || length >= m_buffer.size())
        return QString();
    return QString::fromUtf8(m_buffer.constData(), length);
}

QByteArray ProfileStore::readBytes(const QString& section, const QString& key)
{
    if (!m_store)
        return QByteArray();
    const QByteArray sectionText = section.toUtf8();
    const QByteArray keyText = key.toUtf8();
    const int length = m_call->readBytes(m_store, sectionText.constData(), keyText.constData(),
                                         m_buffer.data(), int(m_buffer.size()));
    if (length < 0)
        return QByteArray();
    if (length > m_buffer.size()) { // a value longer than any read so far
        m_buffer.resize(length);
        m_call->readBytes(m_store, sectionText.constData(), keyText.constData(), m_buffer.data(),
                          length);
    }
    return QByteArray(m_buffer.constData(), length);
}

bool ProfileStore::writeText(const QString& section, const QString& key, const QString& value)
{
    return m_store && m_call->writeText(m_store, section.toUtf8().constData(),
                                        key.toUtf8().constData(), value.toUtf8().constData()) == 1;
}

bool ProfileStore::writeBytes(const QString& section, const QString& key, const QByteArray& bytes)
{
    return m_store &&
           m_call->writeBytes(m_store, section.toUtf8().constData(), key.toUtf8().constData(),
                              bytes.constData(), int(bytes.size())) == 1;
}

ProfileStore::CommitResult ProfileStore::commit()
{
    if (!m_store)
        return {Failure::NoModule, m_module->errorString()};
    const int result = m_call->commit(m_store);
    if (result == PROFILE_STORE_SAVED)
        return {};
    CommitResult failed{failureOf(result), QString()};
    QByteArray words(1024, Qt::Uninitialized);
    const int length = m_call->failureDetail(m_store, words.data(), int(words.size()));
    if (length > 0 && length < words.size())
        failed.detail = QString::fromUtf8(words.constData(), length);
    return failed;
}
