#include "profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>

namespace {
// The file QSaveFile really replaces: a symlinked list file is written through to its target,
// and the temporary file is made beside that target.
QString targetPath(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Writes all of bytes. A short write is tried again, so that a failure comes with its reason.
bool writeAll(QIODevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Whether the disk holding folder lacks the whole blocks a file of size bytes takes.
bool lacksRoom(const QString& folder, qint64 size)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return false;
    const qint64 block = std::max(storage.blockSize(), 1);
    return storage.bytesAvailable() < (size + block - 1) / block * block;
}
} // namespace

void ProfileFile::useFile(const QString& path)
{
    if (path != m_fileName) {
        m_fileName = path;
        m_journal.clear();
        m_document.reset();
        m_written.clear();
    } else if (m_journal.empty()) {
        m_document.reset();
        m_written.clear();
    }
}

bool ProfileFile::createFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return QFileInfo(path).isFile();
    QFile file(path);
    // NewOnly: a file that appears meanwhile is never truncated.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
    return QFileInfo(path).isFile();
}

std::optional<QByteArray> ProfileFile::readFile(QString* detail) const
{
    const auto fail = [detail](const QString& why) {
        if (detail)
            *detail = why;
        return std::nullopt;
    };
    if (m_fileName.isEmpty())
        return fail(qt_error_string(ENOENT));
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile())
        return fail(qt_error_string(EISDIR));
    if (info.size() > MaxFileSize)
        return fail(qt_error_string(EFBIG));
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return bytes;
}

IniDocument& ProfileFile::document()
{
    if (!m_document) {
        m_document.emplace(readFile().value_or(QByteArray()));
        m_written.clear();
    }
    return *m_document;
}

QString ProfileFile::readText(const QString& section, const QString& key, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    const QByteArray value = document().value(m_codec.encode(section), m_codec.encode(key));
    return m_codec.decode(
        QByteArrayView(value).first(Gb18030Codec::prefixLength(value, qsizetype(maxBytes))));
}

QByteArray ProfileFile::readBytes(const QString& section, const QString& key)
{
    return document().storedValue(m_codec.encode(section), m_codec.encode(key));
}

bool ProfileFile::writeText(const QString& section, const QString& key, const QString& value)
{
    return write(Change{m_codec.encode(section), m_codec.encode(key),
                        IniDocument::writtenValue(m_codec.encode(value))});
}

bool ProfileFile::writeBytes(const QString& section, const QString& key, QByteArrayView stored)
{
    return write(Change{m_codec.encode(section), m_codec.encode(key), stored.toByteArray()});
}

bool ProfileFile::write(Change change)
{
    IniDocument& memory = document();
    const quint64 edits = memory.editCount();
    if (!memory.setStoredValue(change.section, change.key, change.stored))
        return false;
    // A value written back as it stands is no change: nothing to replay, nothing to commit.
    if (memory.editCount() != edits)
        m_journal.push_back(std::move(change));
    return true;
}

ProfileStoreCommitResult ProfileFile::fail(ProfileStoreCommitResult result, const QString& detail)
{
    m_failureDetail = detail;
    return result;
}

ProfileStoreCommitResult ProfileFile::commit()
{
    m_failureDetail.clear();
    if (m_journal.empty())
        return PROFILE_STORE_SAVED;
    if (m_fileName.isEmpty())
        return fail(PROFILE_STORE_WRITE_FAILED, qt_error_string(ENOENT));
    QString detail;
    const std::optional<QByteArray> current = readFile(&detail);
    if (!current)
        return fail(PROFILE_STORE_FILE_UNREADABLE, detail);
    IniDocument& memory = document();
    std::optional<IniDocument> merged;
    const QByteArray& expected = m_written.isNull() ? memory.source() : m_written;
    if (*current != expected) {
        // Someone else changed the file since it was read: replay this session's keys onto it.
        merged.emplace(*current);
        for (const Change& change : m_journal)
            merged->setStoredValue(change.section, change.key, change.stored);
    }
    const QByteArray bytes = (merged ? *merged : memory).toBytes();

    // Keys set back to what the file holds leave nothing to write.
    if (bytes != *current) {
        const QString folder = QFileInfo(targetPath(m_fileName)).absolutePath();
        const QFileInfo info(m_fileName);
        if (info.exists()) {
            // The owner's write bit decides, not access(): the program may run as root, who may
            // write anything. Only a read-only disk is the folder's fault.
            const bool ownerMayWrite = info.permissions().testFlag(QFileDevice::WriteOwner);
            if (ownerMayWrite && !info.isWritable() && QStorageInfo(folder).isReadOnly())
                return fail(PROFILE_STORE_FOLDER_NOT_WRITABLE, qt_error_string(EROFS));
            if (!ownerMayWrite || !info.isWritable())
                return fail(PROFILE_STORE_FILE_READ_ONLY, qt_error_string(EACCES));
        }
        bool opened = false;
        bool written = false;
        {
            QSaveFile file(m_fileName);
            opened = file.open(QIODevice::WriteOnly);
            // QSaveFile's commit renames whatever its last flush left, even on a full disk, so
            // the flush is checked here first.
            written = opened && writeAll(file, bytes) && file.flush() && file.commit();
            if (!written)
                detail = file.errorString();
            // Leaving the scope removes a temporary file that was not committed, so the disk
            // is measured below as it was before.
        }
        if (!opened) {
            return fail(QFileInfo(folder).isWritable() ? PROFILE_STORE_WRITE_FAILED
                                                       : PROFILE_STORE_FOLDER_NOT_WRITABLE,
                        detail);
        }
        if (!written) {
            return fail(lacksRoom(folder, bytes.size()) ? PROFILE_STORE_DISK_FULL
                                                        : PROFILE_STORE_WRITE_FAILED,
                        detail);
        }
    }
    // The document in memory already holds what was written; parsing the file again would only
    // cost time. Once merged, the merged document is the one that matches the file.
    if (merged)
        m_document = std::move(merged);
    m_written = bytes;
    m_journal.clear();
    return PROFILE_STORE_SAVED;
}
