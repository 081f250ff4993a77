#include "platform/librarysearch.h"

#include <qt_windows.h>

void LibrarySearch::leaveOutCurrentFolder()
{
    // An empty folder takes the current folder out of the order Windows searches in; the
    // program's own folder and the system's stay.
    SetDllDirectoryW(L"");
}
