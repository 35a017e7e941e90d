/* Test exports of the qortext stand-in; the module never calls them. */
#ifndef QORTEXT_STANDIN_H
#define QORTEXT_STANDIN_H

#include <windows.h>

/* The stand-in's settings (user hive): "Language", the default language.
 * Without it the default language is "DE" for a German user interface
 * language and "EN" for any other.
 *
 * Texts: module "FCUST" in "EN" and "DE" (any letter case). Loading any
 * other module or language answers 0 with status ERROR_NOT_FOUND, so the
 * caller shows its own default texts. A text the loaded module lacks, or a
 * handle that is 0 or was unloaded, also answers the caller's default. */
#define QORTEXT_STANDIN_KEY "Software\\Qor\\TextLibrary"

#ifdef __cplusplus
extern "C" {
#endif

/* The journal of interface calls, one line each; answers the size needed. */
int WINAPI TxtStandInReadJournal(char* buffer, int size);
void WINAPI TxtStandInClearJournal(void);
/* Makes the named interface function fail until switched back; a null name
 * with fail FALSE switches every failure off. */
void WINAPI TxtStandInSetFailure(const char* function, BOOL fail);

#ifdef __cplusplus
}
#endif

#endif
