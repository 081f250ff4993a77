#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

// Makes a folder read-only for the length of a test. As root, permission bits are no obstacle,
// so a read-only bind mount of the folder onto itself is used where it can be made.
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(const QString& folder) : m_folder(folder)
    {
        if (run({QStringLiteral("mount"), QStringLiteral("--bind"), folder, folder})) {
            m_mounted = true;
            run({QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("remount,bind,ro"),
                 folder, folder});
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            run({QStringLiteral("umount"), m_folder});
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // True when a file really cannot be created there.
    bool isReadOnly() const
    {
        QFile probe(QDir(m_folder).filePath(QStringLiteral(".probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            return false;
        }
        return true;
    }

private:
    static bool run(const QStringList& command)
    {
        QProcess process;
        process.start(command.first(), command.mid(1));
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QString m_folder;
    bool m_mounted = false;
};
