#pragma once

#include <QString>

// Starts one of Windows' own programs from its full path in the Windows folder or the system
// folder. A bare name would be looked up in the program's folder and the current folder first,
// and anyone can put a program of that name there.
namespace SystemProgram {
enum class Folder { Windows, System };

// Starts folder\name with the arguments in the window style show (an SW_ value) and waits up to
// waitMs for it to end. One that cannot be started leaves a warning line.
void run(Folder folder, const QString& name, const QString& arguments, int show, int waitMs = 0);
} // namespace SystemProgram
