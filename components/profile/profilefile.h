#pragma once

#include "gb18030codec.h"
#include "inidocument.h"
#include "profilestoreapi.h"

#include <QString>
#include <optional>
#include <vector>

// One profile file as the program uses it: read once, changed in memory, written in one step.
// Saving key by key into the file would rewrite it once per key; a list of thousands of entries
// would then take minutes, so commit() writes everything at once and atomically (temporary file
// in the same folder, renamed over the old one): after a crash the file is the old or the new one.
class ProfileFile final
{
public:
    // Files beyond this are not read: no list file ever gets near it.
    static constexpr qint64 MaxFileSize = qint64(256) * 1024 * 1024;

    // All later calls work on path. Switching to another file drops changes not yet committed;
    // the same path again re-reads the file unless changes are pending.
    void useFile(const QString& path);
    // Creates a missing file empty and leaves an existing one alone; true when the file exists.
    bool createFile(const QString& path);
    // The value of key in section; "" when the file, the section or the key is missing. At most
    // maxBytes bytes of the stored text are taken, ending on a whole character.
    QString readText(const QString& section, const QString& key, int maxBytes);
    // The value's bytes as they stand in the file (see IniDocument::storedValue); null when the
    // key is missing.
    QByteArray readBytes(const QString& section, const QString& key);
    // Set the value in memory only: as text (GB18030 in the file) or as the bytes that are to
    // stand in the file. False for a name the file cannot hold (see IniDocument) and for bytes
    // with a line break. A value that already stands so is no change and nothing to commit.
    bool writeText(const QString& section, const QString& key, const QString& value);
    bool writeBytes(const QString& section, const QString& key, QByteArrayView stored);
    // Writes the pending changes into the file. Changes made to the file on disk since it was
    // read are kept, as they would be if every key had been written at once. A file that exists
    // but cannot be read, or that its owner may not write, is left alone. After a failure the
    // changes stay pending and failureDetail() holds the system's words for it.
    ProfileStoreCommitResult commit();
    // Why the last commit failed; empty after one that succeeded.
    QString failureDetail() const { return m_failureDetail; }

private:
    struct Change
    {
        QByteArray section;
        QByteArray key;
        QByteArray stored;
    };

    IniDocument& document();
    bool write(Change change);
    // The file's bytes; empty when it is missing, nothing when it exists but cannot be read
    // (detail then tells why).
    std::optional<QByteArray> readFile(QString* detail = nullptr) const;
    ProfileStoreCommitResult fail(ProfileStoreCommitResult result, const QString& detail);

    QString m_fileName;
    Gb18030Codec m_codec;
    std::optional<IniDocument> m_document;
    QByteArray m_written; // what the last commit wrote, while m_document is the one it came from
    std::vector<Change> m_journal;
    QString m_failureDetail;
};
