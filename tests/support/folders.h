#pragma once

#include "core/contacts/contactlistfile.h"
#include "core/contacts/profilestore.h"

#include <QDir>
#include <QFile>
#include <QProcess>

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The entries a list file holds, as "number|remark", read as the program reads them at start.
inline QStringList entriesIn(const QString& path)
{
    QStringList entries;
    for (const ContactEntry& entry :
         ContactListFile(std::make_unique<ProfileStore>(PROFILE_MODULE), path).load())
        entries << entry.number + u'|' + entry.remark;
    return entries;
}

// A folder mounted over itself for the length of a test: read-only, or a disk of a few
// kilobytes. Root writes through permission bits, so only a mount makes the case real; where
// mounting is not allowed, isReady() is false.
class MountedFolder final
{
public:
    enum Kind { ReadOnly, Full };
    MountedFolder(const QString& folder, Kind kind) : m_folder(folder)
    {
        m_mounted = kind == ReadOnly ? run({"--bind", folder, folder})
                                     : run({"-t", "tmpfs", "-o", "size=16k", "tmpfs", folder});
        m_ready = m_mounted && (kind == Full || run({"-o", "remount,bind,ro", folder, folder}));
    }
    ~MountedFolder()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }
    bool isReady() const { return m_ready; }

private:
    static bool run(const QStringList& arguments)
    {
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    }
    QString m_folder;
    bool m_mounted = false;
    bool m_ready = false;
};
