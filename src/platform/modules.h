#pragma once

#include <QLibrary>
#include <QString>

// A shared library the program carries as a runtime file and loads from its folder.
// Missing or broken modules resolve nothing; callers then go without their feature.
class Module final
{
public:
    explicit Module(const QString& path);
    bool isLoaded() const { return m_library.isLoaded(); }

    template <typename Fn> Fn resolve(const char* symbol)
    {
        return m_library.isLoaded() ? reinterpret_cast<Fn>(m_library.resolve(symbol)) : nullptr;
    }

private:
    QLibrary m_library;
};

// Registers a resource bundle (rcc -binary) under mapRoot; false when it cannot be read.
bool registerBundle(const QString& path, const QString& mapRoot);
