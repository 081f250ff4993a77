#pragma once

#include "gb18030codec.h"
#include "inidocument.h"

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
    void setFileName(const QString& path);
    QString fileName() const { return m_fileName; }
    // Creates a missing file empty and leaves an existing one alone; true when the file exists.
    bool newFile(const QString& path);
    // The value of key in section; "" when the file, the section or the key is missing. At most
    // bufferSize - 1 bytes of the stored text are taken, ending on a whole character.
    QString loadKey(const QString& section, const QString& key, int bufferSize);
    // Sets the value in memory only; false for a name the file cannot hold (see IniDocument).
    bool saveKey(const QString& section, const QString& key, const QString& value);
    // Writes the pending changes into the file. Changes made to the file on disk since it was
    // read are kept, as they would be if every key had been written at once. False when the file
    // cannot be written, or exists but cannot be read (it is then left alone, not overwritten);
    // the changes stay pending then.
    bool commit();
    bool hasPendingChanges() const { return !m_journal.empty(); }

private:
    struct Change
    {
        QByteArray section;
        QByteArray key;
        QByteArray value;
    };

    IniDocument& document();
    // The file's bytes; empty when it is missing, nothing when it exists but cannot be read.
    std::optional<QByteArray> readFile() const;

    QString m_fileName;
    Gb18030Codec m_codec;
    std::optional<IniDocument> m_document;
    QByteArray m_written; // what the last commit wrote, while m_document is the one it came from
    std::vector<Change> m_journal;
};
