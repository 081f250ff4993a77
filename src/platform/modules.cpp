#include "platform/modules.h"

#include <QResource>

Module::Module(const QString& path) : m_library(path)
{
    // Resolve every symbol now so a broken module fails here, not in the middle of a call.
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    m_library.load();
}

bool registerBundle(const QString& path, const QString& mapRoot)
{
    return QResource::registerResource(path, mapRoot);
}
