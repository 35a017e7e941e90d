/* Test exports of the qorutil stand-in; the module never calls them. */
#ifndef QORUTIL_STANDIN_H
#define QORUTIL_STANDIN_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The journal of interface calls, one line each; answers the size needed. */
int WINAPI UtilStandInReadJournal(char* buffer, int size);
void WINAPI UtilStandInClearJournal(void);
/* Makes the named interface function fail until switched back; a null name
 * with fail FALSE switches every failure off. */
void WINAPI UtilStandInSetFailure(const char* function, BOOL fail);

#ifdef __cplusplus
}
#endif

#endif
