// Stand-in theme library: the interface of qorrm.h over the library's own
// registry state, the preview colours of this process and the live colours
// shared by all processes. Every interface call is journaled and honours its
// failure switch (answer 0; a getter leaves an empty text behind).
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"

#include "framework/RuntimeRelease.h"
#include "standins/common/StandInJournal.h"
#include "standins/qorrm/LiveColors.h"
#include "standins/qorrm/Preview.h"
#include "standins/qorrm/ThemeSettings.h"
#include "standins/qorrm/ThreadThemes.h"

namespace {

StandInJournal g_journal;
CPreview g_preview;
CThreadThemes g_threadThemes;

// Journals the call; true when its failure switch is on.
bool RecordAndFail(const char* function, const std::string& arguments)
{
    g_journal.Record(std::string(function) + "(" + arguments + ")");
    return g_journal.Fails(function);
}

std::string Colors(const COLORREF* colors)
{
    return JournalColors(colors, QORRM_COLOR_COUNT);
}

CThreadThemes::Choice ThreadChoice()
{
    if (auto choice = g_threadThemes.Of(::GetCurrentThreadId()))
        return *choice;
    return {theme_settings::ActiveTheme(), ""};
}

ColorList SessionColors()
{
    if (auto live = live_colors::Current())
        return *live;
    if (auto recorded = theme_settings::RecordedColors(theme_settings::ActiveTheme()))
        return *recorded;
    return kDefaultColors;
}

} // namespace

QOR_STANDIN_TEST_EXPORTS(RmStandIn, g_journal)

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_THREAD_DETACH)
        g_threadThemes.Forget(::GetCurrentThreadId());
    // When the process ends, the system takes the palette with it.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        g_preview.ReleasePalette();
    AfxReleaseRuntimeAtUnload(reason, reserved);
    return TRUE;
}

extern "C" BOOL WINAPI RmIsLarkThemeActiveEx(HKEY hive)
{
    if (RecordAndFail("RmIsLarkThemeActiveEx", JournalHive(hive)))
        return FALSE;
    DWORD active = 1;
    DWORD size = sizeof(active);
    ::RegGetValueA(hive, QORRM_STANDIN_KEY, "LarkThemeActive", RRF_RT_REG_DWORD, nullptr, &active,
                   &size);
    return active != 0;
}

extern "C" BOOL WINAPI RmGetActiveTheme(char* buffer, int size)
{
    if (RecordAndFail("RmGetActiveTheme", std::to_string(size)))
        return AnswerNothing(buffer, size);
    return AnswerText(theme_settings::ActiveTheme(), buffer, size);
}

extern "C" BOOL WINAPI RmGetThemePath(const char* theme, char* buffer, int size)
{
    if (RecordAndFail("RmGetThemePath", JournalString(theme) + ", " + std::to_string(size)))
        return AnswerNothing(buffer, size);
    const auto path = theme_settings::ThemePath(theme);
    return path ? AnswerText(*path, buffer, size) : AnswerNothing(buffer, size);
}

extern "C" BOOL WINAPI RmGetPreviewBitmap(const char* theme, char* buffer, int size, int flags)
{
    if (RecordAndFail("RmGetPreviewBitmap", JournalString(theme) + ", " + std::to_string(size)
                                                + ", " + std::to_string(flags)))
        return AnswerNothing(buffer, size);
    const std::string active = theme ? "" : theme_settings::ActiveTheme();
    const auto picture = theme_settings::PreviewName(theme ? theme : active.c_str());
    return picture ? AnswerText(*picture, buffer, size) : AnswerNothing(buffer, size);
}

extern "C" HPALETTE WINAPI RmGetPalette(void)
{
    if (RecordAndFail("RmGetPalette", ""))
        return nullptr;
    return g_preview.Palette();
}

extern "C" BOOL WINAPI RmAnimatePaletteForPreview(HPALETTE palette)
{
    if (RecordAndFail("RmAnimatePaletteForPreview", JournalHandle(palette)) || !palette)
        return FALSE;
    return g_preview.WriteIntoPalette(palette);
}

extern "C" BOOL WINAPI RmAdjustDibColorsPreview(HDC memoryDc)
{
    if (RecordAndFail("RmAdjustDibColorsPreview", JournalHandle(memoryDc)) || !memoryDc)
        return FALSE;
    return g_preview.WriteIntoColorTable(memoryDc);
}

extern "C" BOOL WINAPI RmApplyColorsForPreview(const COLORREF* colors)
{
    if (RecordAndFail("RmApplyColorsForPreview", Colors(colors)) || !colors)
        return FALSE;
    g_preview.SetColors(ToColorList(colors));
    return TRUE;
}

extern "C" BOOL WINAPI RmApplyColorsNoRegSave(const COLORREF* colors)
{
    if (RecordAndFail("RmApplyColorsNoRegSave", Colors(colors)) || !colors)
        return FALSE;
    return live_colors::Apply(ToColorList(colors));
}

extern "C" BOOL WINAPI RmApplyColors(const COLORREF* colors, const char* theme)
{
    if (RecordAndFail("RmApplyColors", Colors(colors) + ", " + JournalString(theme)) || !colors)
        return FALSE;
    const ColorList list = ToColorList(colors);
    const bool recorded = theme_settings::RecordColors(theme, list);
    const bool applied = live_colors::Apply(list);
    return recorded && applied;
}

extern "C" BOOL WINAPI RmLoadNewTheme(const char* theme)
{
    if (RecordAndFail("RmLoadNewTheme", JournalString(theme)))
        return FALSE;
    return theme_settings::SetActiveTheme(theme);
}

extern "C" BOOL WINAPI RmEnableSound(BOOL on)
{
    if (RecordAndFail("RmEnableSound", std::to_string(on)))
        return FALSE;
    return theme_settings::SetSound(on);
}

extern "C" BOOL WINAPI RmGetCurrentThreadTheme(char* buffer, int size)
{
    if (RecordAndFail("RmGetCurrentThreadTheme", std::to_string(size)))
        return AnswerNothing(buffer, size);
    return AnswerText(ThreadChoice().theme, buffer, size);
}

extern "C" BOOL WINAPI RmGetCurrentThreadColor(char* buffer, int size)
{
    if (RecordAndFail("RmGetCurrentThreadColor", std::to_string(size)))
        return AnswerNothing(buffer, size);
    return AnswerText(ThreadChoice().colorSetting, buffer, size);
}

extern "C" BOOL WINAPI RmGetThemeBySystem(const char* system, char* buffer, int size)
{
    if (RecordAndFail("RmGetThemeBySystem", JournalString(system) + ", " + std::to_string(size)))
        return AnswerNothing(buffer, size);
    return AnswerText(theme_settings::SystemTheme(system), buffer, size);
}

// Extra exports for the front-end stand-in and the tests.

extern "C" void WINAPI RmStandInSetThreadTheme(const char* theme, const char* colorSetting)
{
    if (theme)
        g_threadThemes.Set(::GetCurrentThreadId(), {theme, colorSetting ? colorSetting : ""});
    else
        g_threadThemes.Forget(::GetCurrentThreadId());
}

extern "C" BOOL WINAPI RmStandInGetSessionColors(COLORREF* colors)
{
    if (!colors)
        return FALSE;
    const ColorList list = SessionColors();
    std::copy(list.begin(), list.end(), colors);
    return TRUE;
}

extern "C" LONG WINAPI RmStandInGetLiveGeneration(void)
{
    return live_colors::Generation();
}

extern "C" void WINAPI RmStandInClearLiveColors(void)
{
    live_colors::Clear();
}
