#pragma once

/* The C interface of the profile-file store module, which the program carries as IniEnV.ocx and
 * loads at run time. Every string is UTF-8 and NUL-terminated, in both directions; a null string
 * counts as "". A store is an opaque handle: create it, use it, destroy it.
 *
 *   int  IniEnv_AbiVersion(void)                        INIENV_ABI_VERSION of the module
 *   IniEnvStore* IniEnv_Create(void)                    a new store (null when out of memory)
 *   void IniEnv_Destroy(IniEnvStore*)                   pending changes are dropped
 *   void IniEnv_FileName(IniEnvStore*, path)            all later calls work on this file
 *   int  IniEnv_NewFile(IniEnvStore*, path)             1 when the file exists afterwards
 *   int  IniEnv_Load_Key(IniEnvStore*, section, key, bufferSize, out, outSize)
 *        The value, at most bufferSize - 1 bytes of the file's text cut on a whole character,
 *        "" when missing. Returns its length in UTF-8 bytes (without the NUL), -1 without a
 *        store. When outSize is larger than that length the value and a NUL are in out;
 *        otherwise out holds "" and the call is to be repeated with a larger buffer
 *        (3 * bufferSize + 4 bytes are always enough).
 *   int  IniEnv_Sav_Key(IniEnvStore*, section, key, value)
 *        1 when set in memory, 0 for a name the file cannot hold; nothing is written yet.
 *   int  IniEnv_Commit(IniEnvStore*)
 *        Writes all changes at once, atomically; 1 on success (also when nothing was pending),
 *        0 when the file cannot be written (the changes then stay pending).
 */

#define INIENV_ABI_VERSION 1

#ifdef __cplusplus
extern "C" {
#endif

typedef struct IniEnvStore IniEnvStore;

typedef int (*IniEnvAbiVersionFn)(void);
typedef IniEnvStore* (*IniEnvCreateFn)(void);
typedef void (*IniEnvDestroyFn)(IniEnvStore* store);
typedef void (*IniEnvFileNameFn)(IniEnvStore* store, const char* path);
typedef int (*IniEnvNewFileFn)(IniEnvStore* store, const char* path);
typedef int (*IniEnvLoadKeyFn)(IniEnvStore* store, const char* section, const char* key,
                               int bufferSize, char* out, int outSize);
typedef int (*IniEnvSavKeyFn)(IniEnvStore* store, const char* section, const char* key,
                              const char* value);
typedef int (*IniEnvCommitFn)(IniEnvStore* store);

#ifdef __cplusplus
}
#endif
