/* qorrm: the theme library of the Qor front end. It owns the visual themes,
 * applies colour palettes to the running front end, plays sounds and supplies
 * theme previews.
 *
 * Colour lists hold QORRM_COLOR_COUNT Windows colour references (red, green,
 * blue, 0) in palette order. Name buffers belong to the caller; the library
 * writes a zero-terminated name of at most the given size.
 *
 * Preview colours: RmAnimatePaletteForPreview and RmAdjustDibColorsPreview
 * write five of the preview colours into palette and colour-table entries
 * 128 to 132 of an 8-bit preview picture:
 *   128 <- colour 1  (lightest foreground: window background)
 *   129 <- colour 5  (light foreground: fields)
 *   130 <- colour 9  (foreground anchor: frames, toolbar)
 *   131 <- colour 17 (dark foreground: text, title bars)
 *   132 <- colour 22 (background anchor: desktop)
 */
#ifndef QORRM_H
#define QORRM_H

#include <windows.h>

#define QORRM_COLOR_COUNT 23
#define QORRM_PREVIEW_FIRST_INDEX 128
#define QORRM_PREVIEW_INDEX_COUNT 5

#ifdef __cplusplus
extern "C" {
#endif

BOOL WINAPI RmIsLarkThemeActiveEx(HKEY hive);
BOOL WINAPI RmGetActiveTheme(char* buffer, int size);
BOOL WINAPI RmGetThemePath(const char* theme, char* buffer, int size);
/* theme: null for the active theme. */
BOOL WINAPI RmGetPreviewBitmap(const char* theme, char* buffer, int size, int flags);
HPALETTE WINAPI RmGetPalette(void);
BOOL WINAPI RmAnimatePaletteForPreview(HPALETTE palette);
BOOL WINAPI RmAdjustDibColorsPreview(HDC memoryDc);
BOOL WINAPI RmApplyColorsForPreview(const COLORREF* colors);
BOOL WINAPI RmApplyColorsNoRegSave(const COLORREF* colors);
BOOL WINAPI RmApplyColors(const COLORREF* colors, const char* theme);
BOOL WINAPI RmLoadNewTheme(const char* theme);
BOOL WINAPI RmEnableSound(BOOL on);
BOOL WINAPI RmGetCurrentThreadTheme(char* buffer, int size);
BOOL WINAPI RmGetCurrentThreadColor(char* buffer, int size);
BOOL WINAPI RmGetThemeBySystem(const char* system, char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
