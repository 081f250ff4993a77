#pragma once

#include <QString>

// The folder that holds the executable: runtime files and the list file live there.
namespace ProgramFolder {
// Without a trailing separator, in the system's native form.
QString path();
// path() joined with name by the native separator.
QString file(const QString& name);
// Tests point the program at a folder of their own; an empty text restores the real one.
void setOverride(const QString& folder);
} // namespace ProgramFolder
