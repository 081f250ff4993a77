#include "platform/librarysearch.h"

void LibrarySearch::leaveOutCurrentFolder()
{
    // The dynamic loader never searches the current folder for a library named without a path.
}
