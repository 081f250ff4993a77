#pragma once

#include <QString>

// Where the runtime files and the list file live: the folder that holds the executable, or, in a
// build made to be installed under /usr (the Debian package), the user's data folder
// ($XDG_DATA_HOME/Lanternix, else ~/.local/share/Lanternix), made at first use.
namespace ProgramFolder {
// Without a trailing separator, in the system's native form.
QString path();
// path() joined with name by the native separator.
QString file(const QString& name);
// Tests point the program at a folder of their own; an empty text restores the real one.
void setOverride(const QString& folder);
} // namespace ProgramFolder
