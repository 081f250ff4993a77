#pragma once

#include "core/contacts/contactlistmodel.h"
#include "core/contacts/profilestore.h"

#include <QString>
#include <QVector>
#include <memory>

// QQlist.cfg: read once when the program starts, written once when the user leaves. Entries are
// numbered sections from 1 under a count; an entry read from the file and not changed since is
// written back byte for byte as it was read, while what is shown is the decoded value, cut after
// 199 bytes as the list has always been read.
class ContactListFile final
{
public:
    static inline const QString FileName = QStringLiteral("QQlist.cfg");
    // The largest list the program serves: positions are 16-bit numbers in the file's world.
    static constexpr int MaxEntries = 32767;

    using Failure = ProfileStore::Failure;
    struct SaveOutcome
    {
        Failure failure = Failure::None; // why the list was not saved
        QString detail;                  // the system's own words, where it gave any
        bool changesLost = false;        // not saved, and the file lacks what the user changed
        bool saved() const { return failure == Failure::None; }
    };

    ContactListFile(std::unique_ptr<ProfileStore> store, const QString& path);
    ~ContactListFile();

    QString path() const { return m_path; }
    // Creates the file empty when it is missing, then reads the entries it holds.
    QVector<ContactEntry> load();
    // Writes the whole list in one step, only when it differs from what was read; on failure the
    // file stays as it was.
    SaveOutcome save(const ContactListModel& list);

private:
    // The file already holds what the list holds: the entries read, or none and no file.
    bool holdsAlready(const ContactListModel& list) const;

    std::unique_ptr<ProfileStore> m_store;
    QString m_path;
    QVector<ContactEntry> m_read; // the entries as load() read them
};
