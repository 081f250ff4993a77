#include "platform/modulelibrary.h"

#include <QFile>

#include <dlfcn.h>

ModuleLibrary::ModuleLibrary(const QString& path)
{
    // A path with a slash is opened as it stands; every symbol is bound now, so a broken module
    // fails here and not in the middle of a call.
    const QByteArray file = QFile::encodeName(path);
    m_handle = file.contains('/') ? dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (!m_handle)
        m_error = file.contains('/') ? QString::fromLocal8Bit(dlerror())
                                     : QStringLiteral("not a full path: %1").arg(path);
}

void* ModuleLibrary::address(const char* symbol) const
{
    return m_handle ? dlsym(m_handle, symbol) : nullptr;
}
