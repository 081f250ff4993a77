// A library planted where a searching loader would look: subfolders by processor type, the current
// folder, a folder on PATH. It leaves a mark when it is loaded, and answers to the store module's
// version call.

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

extern "C" Q_DECL_EXPORT int profile_store_abi_version()
{
    return -1;
}

__attribute__((constructor)) static void leaveMark()
{
    if (const char* mark = std::getenv("PLANTED_MARK"))
        std::fclose(std::fopen(mark, "w"));
}
