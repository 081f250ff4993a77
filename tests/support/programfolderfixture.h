#pragma once

#include "platform/programfolder.h"
#include "startup/runtimefiles.h"

#include <QDir>
#include <QTemporaryDir>

// A fresh program folder for one test, with the runtime files written into it, as after a start.
class ProgramFolderFixture final
{
public:
    explicit ProgramFolderFixture(bool deploy = true)
    {
        ProgramFolder::setOverride(m_dir.path());
        if (deploy)
            RuntimeFiles::deploy(m_dir.path());
    }
    ~ProgramFolderFixture() { ProgramFolder::setOverride(QString()); }

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};
