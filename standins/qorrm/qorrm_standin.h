/* Extra exports of the qorrm stand-in for the front-end stand-in and the
 * tests; the module never calls them. */
#ifndef QORRM_STANDIN_H
#define QORRM_STANDIN_H

#include <windows.h>

/* The stand-in's own state, never inside the appearance settings:
 *   LarkThemeActive (number, either hive; 1 when missing): what
 *     RmIsLarkThemeActiveEx answers for that hive.
 *   ActiveTheme (string, user then machine; "Standard Theme" when missing):
 *     written by RmLoadNewTheme.
 *   Sound (number, user): written by RmEnableSound.
 *   Themes\<theme>\Colors (binary, 23 colour references, user): recorded by
 *     RmApplyColors for windows started later.
 *   Themes\<theme>\Preview (string, user then machine): the preview picture
 *     of a theme other than the three shipped ones.
 *   Systems\<system>\Theme (string, user then machine): the theme of a
 *     back-end system (RmGetThemeBySystem); the active theme when missing.
 * A theme's folder (RmGetThemePath) is the Path of its key in the appearance
 * settings (user, then machine), answered only when it is an existing folder.
 * The calling thread's theme and colour setting are what
 * RmStandInSetThreadTheme declared for the thread; until then the active
 * theme and an empty colour setting.
 * Name getters answer FALSE and leave an empty text when the name does not
 * fit the buffer. */
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

/* Declares the calling thread's theme and colour setting; a null theme
 * returns the thread to the defaults. */
void WINAPI RmStandInSetThreadTheme(const char* theme, const char* colorSetting);
/* The 23 colours a front-end window draws with now: the live colours if any
 * were applied (RmApplyColorsNoRegSave, RmApplyColors), else those recorded
 * for the active theme, else the library's default colours. */
BOOL WINAPI RmStandInGetSessionColors(COLORREF* colors);
/* Changes whenever the live colours change (in any process). */
LONG WINAPI RmStandInGetLiveGeneration(void);
/* Forgets the live colours (for tests). */
void WINAPI RmStandInClearLiveColors(void);

#ifdef __cplusplus
}
#endif

#endif
