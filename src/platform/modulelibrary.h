#pragma once

#include <QString>

// A module the program carries as a runtime file, loaded from exactly the file in its folder: no
// other folder is searched (no subfolders by processor type, no library path), so nothing planted
// beside it can run in its place. A missing or broken module resolves nothing, and its feature
// goes without it. A module is never unloaded: objects it made may outlive its handle.
class ModuleLibrary final
{
public:
    explicit ModuleLibrary(const QString& path);
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    // Why the module did not load, in the system's words.
    QString errorString() const { return m_error; }

    // The exported C function symbol, or nullptr.
    template <typename Function> Function resolve(const char* symbol) const
    {
        return reinterpret_cast<Function>(address(symbol));
    }

private:
    void* address(const char* symbol) const; // one file per system

    void* m_handle = nullptr;
    QString m_error;
};
