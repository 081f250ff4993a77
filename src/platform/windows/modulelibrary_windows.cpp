#include "platform/modulelibrary.h"

#include <QDir>

#include <qt_windows.h>

ModuleLibrary::ModuleLibrary(const QString& path)
{
    // With a full path and the altered search order the module's own folder is searched for
    // what it needs, never the current folder; the module itself comes from exactly this file.
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    m_handle = LoadLibraryExW(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!m_handle)
        m_error = QStringLiteral("LoadLibraryEx failed with error %1").arg(GetLastError());
}

void* ModuleLibrary::address(const char* symbol) const
{
    return m_handle
               ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), symbol))
               : nullptr;
}
