#include "profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void ProfileFile::setFileName(const QString& path)
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

bool ProfileFile::newFile(const QString& path)
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

std::optional<QByteArray> ProfileFile::readFile() const
{
    if (m_fileName.isEmpty())
        return std::nullopt;
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile() || info.size() > MaxFileSize)
        return std::nullopt;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
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

QString ProfileFile::loadKey(const QString& section, const QString& key, int bufferSize)
{
    if (bufferSize <= 1)
        return QString();
    const QByteArray value = document().value(m_codec.encode(section), m_codec.encode(key));
    return m_codec.decode(
        QByteArrayView(value).first(Gb18030Codec::prefixLength(value, qsizetype(bufferSize) - 1)));
}

bool ProfileFile::saveKey(const QString& section, const QString& key, const QString& value)
{
    Change change{m_codec.encode(section), m_codec.encode(key), m_codec.encode(value)};
    if (!document().setValue(change.section, change.key, change.value))
        return false;
    m_journal.push_back(std::move(change));
    return true;
}

bool ProfileFile::commit()
{
    if (m_journal.empty())
        return true;
    const std::optional<QByteArray> current = readFile();
    if (!current)
        return false;
    IniDocument& memory = document();
    std::optional<IniDocument> merged;
    const QByteArray& expected = m_written.isNull() ? memory.source() : m_written;
    if (*current != expected) {
        // Someone else changed the file since it was read: replay this session's keys onto it.
        merged.emplace(*current);
        for (const Change& change : m_journal)
            merged->setValue(change.section, change.key, change.value);
    }
    const QByteArray bytes = (merged ? *merged : memory).toBytes();

    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    // The document in memory already holds what was written; parsing the file again would only
    // cost time. Once merged, the merged document is the one that matches the file.
    if (merged)
        m_document = std::move(merged);
    m_written = bytes;
    m_journal.clear();
    return true;
}
