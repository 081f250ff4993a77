// The module's C entry points: thin wrappers around ProfileFile. Nothing may escape across the C
// boundary, so every entry point turns a failure (even running out of memory) into its "no" value.

#include "profilefile.h"
#include "profilemoduleapi.h"

#include <QtGlobal>
#include <cstring>
#include <type_traits>

struct IniEnvStore
{
    ProfileFile file;
};

namespace {
QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}
} // namespace

extern "C" Q_DECL_EXPORT int IniEnv_AbiVersion(void)
{
    return INIENV_ABI_VERSION;
}

extern "C" Q_DECL_EXPORT IniEnvStore* IniEnv_Create(void)
{
    try {
        return new IniEnvStore;
    } catch (...) {
        return nullptr;
    }
}

extern "C" Q_DECL_EXPORT void IniEnv_Destroy(IniEnvStore* store)
{
    delete store;
}

extern "C" Q_DECL_EXPORT void IniEnv_FileName(IniEnvStore* store, const char* path)
{
    if (!store)
        return;
    try {
        store->file.setFileName(text(path));
    } catch (...) {
    }
}

extern "C" Q_DECL_EXPORT int IniEnv_NewFile(IniEnvStore* store, const char* path)
{
    if (!store)
        return 0;
    try {
        return store->file.newFile(text(path)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int IniEnv_Load_Key(IniEnvStore* store, const char* section,
                                             const char* key, int bufferSize, char* out,
                                             int outSize)
{
    if (out && outSize > 0)
        out[0] = '\0';
    if (!store)
        return -1;
    try {
        const QByteArray value = store->file.loadKey(text(section), text(key), bufferSize).toUtf8();
        const int length = int(value.size());
        if (out && outSize > length)
            std::memcpy(out, value.constData(), size_t(length) + 1);
        return length;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int IniEnv_Sav_Key(IniEnvStore* store, const char* section,
                                            const char* key, const char* value)
{
    if (!store)
        return 0;
    try {
        return store->file.saveKey(text(section), text(key), text(value)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" Q_DECL_EXPORT int IniEnv_Commit(IniEnvStore* store)
{
    if (!store)
        return 0;
    try {
        return store->file.commit() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

// The loader's function types must match what is exported.
static_assert(std::is_same_v<decltype(&IniEnv_AbiVersion), IniEnvAbiVersionFn>);
static_assert(std::is_same_v<decltype(&IniEnv_Create), IniEnvCreateFn>);
static_assert(std::is_same_v<decltype(&IniEnv_Destroy), IniEnvDestroyFn>);
static_assert(std::is_same_v<decltype(&IniEnv_FileName), IniEnvFileNameFn>);
static_assert(std::is_same_v<decltype(&IniEnv_NewFile), IniEnvNewFileFn>);
static_assert(std::is_same_v<decltype(&IniEnv_Load_Key), IniEnvLoadKeyFn>);
static_assert(std::is_same_v<decltype(&IniEnv_Sav_Key), IniEnvSavKeyFn>);
static_assert(std::is_same_v<decltype(&IniEnv_Commit), IniEnvCommitFn>);
