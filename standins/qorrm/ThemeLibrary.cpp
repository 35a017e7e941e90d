// Stand-in theme library.
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"

#include "standins/common/StandInJournal.h"

namespace {

StandInJournal g_journal;

BOOL Unsupported(const char* function)
{
    g_journal.Record(std::string(function) + "()");
    return FALSE;
}

} // namespace

QOR_STANDIN_TEST_EXPORTS(RmStandIn, g_journal)

extern "C" BOOL WINAPI RmIsLarkThemeActiveEx(HKEY hive)
{
    g_journal.Record("RmIsLarkThemeActiveEx(" + JournalHive(hive) + ")");
    DWORD active = 1;
    DWORD size = sizeof(active);
    ::RegGetValueA(hive, QORRM_STANDIN_KEY, "LarkThemeActive", RRF_RT_REG_DWORD, nullptr, &active,
                   &size);
    return active != 0;
}

extern "C" BOOL WINAPI RmGetActiveTheme(char* buffer, int size)
{
    g_journal.Record("RmGetActiveTheme(" + std::to_string(size) + ")");
    CopyToBuffer("Standard Theme", buffer, size);
    return TRUE;
}

extern "C" BOOL WINAPI RmGetThemePath(const char*, char*, int) { return Unsupported("RmGetThemePath"); }
extern "C" BOOL WINAPI RmGetPreviewBitmap(const char*, char*, int, int) { return Unsupported("RmGetPreviewBitmap"); }
extern "C" HPALETTE WINAPI RmGetPalette(void) { Unsupported("RmGetPalette"); return nullptr; }
extern "C" BOOL WINAPI RmAnimatePaletteForPreview(HPALETTE) { return Unsupported("RmAnimatePaletteForPreview"); }
extern "C" BOOL WINAPI RmAdjustDibColorsPreview(HDC) { return Unsupported("RmAdjustDibColorsPreview"); }
extern "C" BOOL WINAPI RmApplyColorsForPreview(const COLORREF*) { return Unsupported("RmApplyColorsForPreview"); }
extern "C" BOOL WINAPI RmApplyColorsNoRegSave(const COLORREF*) { return Unsupported("RmApplyColorsNoRegSave"); }
extern "C" BOOL WINAPI RmApplyColors(const COLORREF*, const char*) { return Unsupported("RmApplyColors"); }
extern "C" BOOL WINAPI RmLoadNewTheme(const char*) { return Unsupported("RmLoadNewTheme"); }
extern "C" BOOL WINAPI RmEnableSound(BOOL) { return Unsupported("RmEnableSound"); }
extern "C" BOOL WINAPI RmGetCurrentThreadTheme(char*, int) { return Unsupported("RmGetCurrentThreadTheme"); }
extern "C" BOOL WINAPI RmGetCurrentThreadColor(char*, int) { return Unsupported("RmGetCurrentThreadColor"); }
extern "C" BOOL WINAPI RmGetThemeBySystem(const char*, char*, int) { return Unsupported("RmGetThemeBySystem"); }
