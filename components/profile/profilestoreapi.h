#pragma once

/* The C interface of the profile-file store module, which the program carries as IniEnV.ocx and
 * loads at run time. Names and text values are UTF-8 and NUL-terminated; a null string counts as
 * "". A value's stored bytes travel with an explicit length, so they may hold any byte. A store is
 * an opaque handle: create it, use it, destroy it. Nothing is written to disk before commit.
 *
 *   int  profile_store_abi_version(void)       PROFILE_STORE_ABI_VERSION of the module
 *   ProfileStoreHandle* profile_store_create(void)      a new store; null when out of memory
 *   void profile_store_destroy(store)                    changes not committed are dropped
 *   void profile_store_use_file(store, path)
 *        All later calls work on this file. Another path drops the changes not yet committed;
 *        the same path again reads the file anew unless changes are pending.
 *   int  profile_store_create_file(store, path)
 *        Creates a missing file empty and leaves an existing one alone; 1 when the file exists
 *        afterwards.
 *   int  profile_store_read_text(store, section, key, maxBytes, out, outSize)
 *        The value as a profile reader sees it (blanks around it and one pair of matching quotes
 *        removed, ending at a NUL byte), at most maxBytes bytes of the file's text cut on a whole
 *        character, decoded from GB18030; "" when the file, the section or the key is missing.
 *        Returns its length in UTF-8 bytes without the NUL, -1 without a store. When outSize is
 *        larger than that length the value and a NUL are in out; otherwise out holds "" and the
 *        call is to be repeated with a larger buffer (3 * maxBytes + 4 bytes are always enough).
 *   int  profile_store_read_bytes(store, section, key, out, outSize)
 *        The value's bytes exactly as they stand on the key's line after "=", only the blanks
 *        around them left out: quotes, NUL bytes and bytes of any encoding included. Returns
 *        their number, -1 when the key is missing (or without a store); copied into out (no NUL
 *        added) only when outSize is at least that number.
 *   int  profile_store_write_text(store, section, key, valueUtf8)
 *        Sets the value, encoded as GB18030, in memory. 1 when set, 0 for a name the file cannot
 *        hold. A value that already stands in the file as it would be written changes nothing.
 *   int  profile_store_write_bytes(store, section, key, bytes, length)
 *        Sets the value to exactly these bytes, as read by profile_store_read_bytes. 1 when set,
 *        0 for a name the file cannot hold or bytes with a line break (CR or LF). Bytes equal to
 *        what already stands there change nothing.
 *   int  profile_store_commit(store)
 *        Writes all pending changes at once, atomically (the old file or the new one, never a
 *        mix); nothing pending writes nothing. A file replaced keeps its permissions; a file
 *        whose owner may not write it is never replaced. Returns PROFILE_STORE_SAVED or one of
 *        the failures below; after a failure the changes stay pending and the file is as it was.
 *   int  profile_store_failure_detail(store, out, outSize)
 *        The system's own words for the last failure of commit (UTF-8, "" when there are none),
 *        with the same return and buffer rules as profile_store_read_text.
 */

#define PROFILE_STORE_ABI_VERSION 2

enum ProfileStoreCommitResult {
    PROFILE_STORE_SAVED = 0,
    PROFILE_STORE_FOLDER_NOT_WRITABLE = 1, /* no file can be made in the file's folder */
    PROFILE_STORE_FILE_READ_ONLY = 2,      /* the file's owner may not write it */
    PROFILE_STORE_DISK_FULL = 3,           /* the disk has no room for the new file */
    PROFILE_STORE_FILE_UNREADABLE = 4,     /* the file exists but cannot be read: left alone */
    PROFILE_STORE_WRITE_FAILED = 5         /* anything else; the detail tells what */
};

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ProfileStoreHandle ProfileStoreHandle;

typedef int (*ProfileStoreAbiVersionFn)(void);
typedef ProfileStoreHandle* (*ProfileStoreCreateFn)(void);
typedef void (*ProfileStoreDestroyFn)(ProfileStoreHandle* store);
typedef void (*ProfileStoreUseFileFn)(ProfileStoreHandle* store, const char* path);
typedef int (*ProfileStoreCreateFileFn)(ProfileStoreHandle* store, const char* path);
typedef int (*ProfileStoreReadTextFn)(ProfileStoreHandle* store, const char* section,
                                      const char* key, int maxBytes, char* out, int outSize);
typedef int (*ProfileStoreReadBytesFn)(ProfileStoreHandle* store, const char* section,
                                       const char* key, char* out, int outSize);
typedef int (*ProfileStoreWriteTextFn)(ProfileStoreHandle* store, const char* section,
                                       const char* key, const char* value);
typedef int (*ProfileStoreWriteBytesFn)(ProfileStoreHandle* store, const char* section,
                                        const char* key, const char* bytes, int length);
typedef int (*ProfileStoreCommitFn)(ProfileStoreHandle* store);
typedef int (*ProfileStoreFailureDetailFn)(ProfileStoreHandle* store, char* out, int outSize);

#ifdef __cplusplus
}
#endif
