#pragma once

// Where the system looks for a library that is loaded by name (one source file per system).
namespace LibrarySearch {
// Leaves the current folder out of the search, so that a library planted in whatever folder the
// program was started from is never loaded in place of the system's. To be called first in main().
void leaveOutCurrentFolder();
} // namespace LibrarySearch
