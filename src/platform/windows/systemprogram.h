#pragma once

#include <QString>

// Starts one of Windows' own programs from its full path in the Windows folder or the system
// folder. A bare name would be looked up in the program's folder and the current folder first,
// and anyone can put a program of that name there.
namespace SystemProgram {
// The Windows folder shared by every user (not a private one a terminal server may give) and the
// system folder, without a trailing separator; empty where Windows does not tell.
QString windowsFolder();
QString systemFolder();

// Starts the program at path, a full one with its drive, with the arguments in the window style
// show (an SW_ value) and waits up to waitMs for it to end. One that cannot be started leaves a
// warning line.
void run(const QString& path, const QString& arguments, int show, int waitMs = 0);
} // namespace SystemProgram
