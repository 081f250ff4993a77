// The module's C entry points: thin wrappers around ProfileFile. Nothing may escape across the C
// boundary, so every entry point turns a failure (even running out of memory) into its "no" value.

#include "profilefile.h"
#include "profilestoreapi.h"

#include <QtGlobal>
#include <cstring>
#include <type_traits>

struct ProfileStoreHandle
{
    ProfileFile file;
};

namespace {
QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// Hands the text that produce() makes to the caller: with a NUL into out when it fits, else ""
// there. Returns the text's length, -1 without a store, 0 when producing it failed.
template <typename Produce>
int textInto(ProfileStoreHandle* store, char* out, int outSize, Produce produce)
{
    if (out && outSize > 0)
        out[0] = '\0';
    if (!store)
        return -1;
    try {
        const QByteArray text = produce().toUtf8();
        const int length = int(text.size());
        if (out && outSize > length)
            std::memcpy(out, text.constData(), size_t(length) + 1);
        return length;
    } catch (...) {
        return 0;
    }
}
} // namespace

extern "C" Q_DECL_EXPORT int profile_store_abi_version(void)
{
    return PROFILE_STORE_ABI_VERSION;
}

extern "C" Q_DECL_EXPORT ProfileStoreHandle* profile_store_create(void)
{
    try {
        return new ProfileStoreHandle;
    } catch (...) {
        return nullptr;
    }
}

extern "C" Q_DECL_EXPORT void profile_store_destroy(ProfileStoreHandle* store)
{
    delete store;
}

extern "C" Q_DECL_EXPORT void profile_store_use_file(ProfileStoreHandle* store, const char* path)
{
    if (!store)
        return;
    try {
        store->file.useFile(text(path));
    } catch (...) {
    }
}

extern "C" Q_DECL_EXPORT int profile_store_create_file(ProfileStoreHandle* store, const char* path)
{
    if (!store)
        return 0;
    try {
        return store->file.createFile(text(path)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int profile_store_read_text(ProfileStoreHandle* store, const char* section,
                                                     const char* key, int maxBytes, char* out,
                                                     int outSize)
{
    return textInto(store, out, outSize,
                    [&] { return store->file.readText(text(section), text(key), maxBytes); });
}

extern "C" Q_DECL_EXPORT int profile_store_read_bytes(ProfileStoreHandle* store,
                                                      const char* section, const char* key,
                                                      char* out, int outSize)
{
    if (!store)
        return -1;
    try {
        const QByteArray stored = store->file.readBytes(text(section), text(key));
        if (stored.isNull())
            return -1;
        const int length = int(stored.size());
        if (out && outSize >= length && length > 0)
            std::memcpy(out, stored.constData(), size_t(length));
        return length;
    } catch (...) {
        return -1;
    }
}

extern "C" Q_DECL_EXPORT int profile_store_write_text(ProfileStoreHandle* store,
                                                      const char* section, const char* key,
                                                      const char* value)
{
    if (!store)
        return 0;
    try {
        return store->file.writeText(text(section), text(key), text(value)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int profile_store_write_bytes(ProfileStoreHandle* store,
                                                       const char* section, const char* key,
                                                       const char* bytes, int length)
{
    if (!store || length < 0 || (!bytes && length > 0))
        return 0;
    try {
        return store->file.writeBytes(text(section), text(key), QByteArrayView(bytes, length)) ? 1
                                                                                               : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int profile_store_commit(ProfileStoreHandle* store)
{
    if (!store)
        return PROFILE_STORE_WRITE_FAILED;
    try {
        return store->file.commit();
    } catch (...) {
        return PROFILE_STORE_WRITE_FAILED;
    }
}

extern "C" Q_DECL_EXPORT int profile_store_failure_detail(ProfileStoreHandle* store, char* out,
                                                          int outSize)
{
    return textInto(store, out, outSize, [&] { return store->file.failureDetail(); });
}

// The loader's function types must match what is exported.
static_assert(std::is_same_v<decltype(&profile_store_abi_version), ProfileStoreAbiVersionFn>);
static_assert(std::is_same_v<decltype(&profile_store_create), ProfileStoreCreateFn>);
static_assert(std::is_same_v<decltype(&profile_store_destroy), ProfileStoreDestroyFn>);
static_assert(std::is_same_v<decltype(&profile_store_use_file), ProfileStoreUseFileFn>);
static_assert(std::is_same_v<decltype(&profile_store_create_file), ProfileStoreCreateFileFn>);
static_assert(std::is_same_v<decltype(&profile_store_read_text), ProfileStoreReadTextFn>);
static_assert(std::is_same_v<decltype(&profile_store_read_bytes), ProfileStoreReadBytesFn>);
static_assert(std::is_same_v<decltype(&profile_store_write_text), ProfileStoreWriteTextFn>);
static_assert(std::is_same_v<decltype(&profile_store_write_bytes), ProfileStoreWriteBytesFn>);
static_assert(std::is_same_v<decltype(&profile_store_commit), ProfileStoreCommitFn>);
static_assert(std::is_same_v<decltype(&profile_store_failure_detail), ProfileStoreFailureDetailFn>);
