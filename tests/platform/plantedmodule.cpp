// A library planted where a loader that searches subfolders by processor type would look first.
// It leaves a mark when it is loaded, and answers to the store module's version call.

#include <cstdio>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) int profile_store_abi_version()
{
    return -1;
}

__attribute__((constructor)) static void leaveMark()
{
    if (const char* mark = std::getenv("PLANTED_MARK"))
        std::fclose(std::fopen(mark, "w"));
}
