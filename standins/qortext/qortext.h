/* qortext: the text library of the Qor front end. It serves the translated
 * texts of named text modules by key. */
#ifndef QORTEXT_H
#define QORTEXT_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the user's language code (at most two letters); 0 on success. */
int WINAPI QorPcTxtGetDefaultLanguage(char* buffer, int size);
/* A handle for the text module in that language, or 0. */
HANDLE WINAPI QorPcTxtLoad(HANDLE owner, const char* module, const char* language, DWORD flags,
                           DWORD reserved, DWORD* status);
/* The text for the key, or defaultText when the handle is 0 or the module
 * has no text for the key. The text belongs to the library. */
const char* WINAPI QorPcTxtRead(HANDLE module, const char* key, const char* defaultText);
BOOL WINAPI QorPcTxtUnLoad(HANDLE module);

#ifdef __cplusplus
}
#endif

#endif
