/* qorutil: utilities of the Qor front end. */
#ifndef QORUTIL_H
#define QORUTIL_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Copies a registry subtree. Empty filters copy the whole subtree; overwrite 0
 * adds only what the target lacks, 1 also overwrites the values the source
 * holds. Nothing in the target is ever deleted. ERROR_SUCCESS on success.
 *
 * Filters (null counts as empty) are lists of patterns separated by ";",
 * matched against whole names in any letter case, with "*" for any run of
 * characters and "?" for any one character. subkeyFilter chooses which
 * subkeys of the source key are copied (each chosen one with everything
 * below it); valueFilter chooses which values are copied, at every level.
 * The copy goes on past a failure and answers the first failure met; a
 * missing source key answers ERROR_FILE_NOT_FOUND, and a target at or below
 * the source in the same hive ERROR_INVALID_PARAMETER. */
LONG WINAPI QorCopyRegKey(HKEY sourceHive, const char* sourcePath, HKEY targetHive,
                          const char* targetPath, const char* subkeyFilter,
                          const char* valueFilter, int overwrite);

#ifdef __cplusplus
}
#endif

#endif
