/* Test exports of the qorrm stand-in; the module never calls them. */
#ifndef QORRM_STANDIN_H
#define QORRM_STANDIN_H

#include <windows.h>

/* The stand-in's own state. In either hive, "LarkThemeActive" (number, 1 when
 * missing) is what RmIsLarkThemeActiveEx answers for that hive. */
#define QORRM_STANDIN_KEY "Software\\Qor\\ThemeLibrary"

#ifdef __cplusplus
extern "C" {
#endif

/* The journal of interface calls, one line each; answers the size needed. */
int WINAPI RmStandInReadJournal(char* buffer, int size);
void WINAPI RmStandInClearJournal(void);
/* Makes the named interface function fail until switched back; a null name
 * with fail FALSE switches every failure off. */
void WINAPI RmStandInSetFailure(const char* function, BOOL fail);

#ifdef __cplusplus
}
#endif

#endif
