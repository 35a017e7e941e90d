/* qorutil: utilities of the Qor front end. */
#ifndef QORUTIL_H
#define QORUTIL_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Copies a registry subtree. Empty filters copy the whole subtree; overwrite 0
 * adds only what the target lacks, 1 also overwrites the values the source
 * holds. Nothing in the target is ever deleted. ERROR_SUCCESS on success. */
LONG WINAPI QorCopyRegKey(HKEY sourceHive, const char* sourcePath, HKEY targetHive,
                          const char* targetPath, const char* subkeyFilter,
                          const char* valueFilter, int overwrite);

#ifdef __cplusplus
}
#endif

#endif
