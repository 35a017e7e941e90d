/* qorthmcust: the appearance customizing module of the Qor front end. */
#ifndef QORTHMCUST_H
#define QORTHMCUST_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Shows the customizing sheet; returns when it is closed. */
void WINAPI QorThemeColorSettinsDlg(void);
/* The window handle of the newest customizing sheet of any process, 0 if
 * none was ever opened; the window may have closed since. */
HWND WINAPI QorThemeGetCustWindowHandle(void);
/* Re-reads the colour settings that the day schedule applies. */
void WINAPI QorThemeReinit(void);
/* Shows the colour setting dialog of one back-end system. */
void WINAPI QorThemeSystemSettinsDlg(DWORD value, const char* system);

#ifdef __cplusplus
}
#endif

#endif
