// The theme library stand-in as the module and the front end use it: theme
// folders and preview pictures, preview colours written into a real 8-bit
// picture and into the library palette, the calling thread's and systems'
// themes, recorded and live colours, the journal and failure switches.
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace qortest;
using Calls = std::vector<std::string>;

namespace {

using Colors = std::array<COLORREF, QORRM_COLOR_COUNT>;

// 23 distinct colours: entry i is (i, 2i, 3i + 100).
Colors NumberedColors(int offset = 0)
{
    Colors colors;
    for (int i = 0; i < QORRM_COLOR_COUNT; ++i)
        colors[i] = RGB(i + offset, 2 * i + offset, 3 * i + 100);
    return colors;
}

// The colours that entries 128 to 132 take, as qorrm.h documents.
const int kPreviewSources[] = {1, 5, 9, 17, 22};

std::string TempFolder(const char* name)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ThemeKey(const std::string& theme)
{
    return std::string(kThemesKey) + "\\" + theme;
}

class ThemeLibraryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        ResetStandIns();
        RmStandInClearLiveColors();
        RmStandInSetThreadTheme(nullptr, nullptr);
    }
    void TearDown() override
    {
        ResetStandIns();
        RmStandInClearLiveColors();
        RegistryTest::TearDown();
    }

    static std::string Answer(BOOL (WINAPI* get)(char*, int), int size = 256, BOOL* result = nullptr)
    {
        std::vector<char> buffer(static_cast<size_t>(size), 'x');
        const BOOL answer = get(buffer.data(), size);
        if (result)
            *result = answer;
        return buffer.data();
    }
    static std::string PreviewOf(const char* theme, BOOL* result = nullptr, int size = 256)
    {
        std::vector<char> buffer(static_cast<size_t>(size), 'x');
        const BOOL answer = RmGetPreviewBitmap(theme, buffer.data(), size, 0);
        if (result)
            *result = answer;
        return buffer.data();
    }
    static std::string PathOf(const char* theme, BOOL* result = nullptr)
    {
        char buffer[260] = "x";
        const BOOL answer = RmGetThemePath(theme, buffer, sizeof(buffer));
        if (result)
            *result = answer;
        return buffer;
    }
};

TEST_F(ThemeLibraryTest, PreviewPicturesOfShippedAndOtherThemes)
{
    EXPECT_EQ(PreviewOf("Standard Theme"), "DEFPRV");
    EXPECT_EQ(PreviewOf("High Contrast Theme"), "HCPRV");
    EXPECT_EQ(PreviewOf("Tideway Theme"), "TIDEWAY");
    EXPECT_EQ(PreviewOf(nullptr), "DEFPRV") << "null is the active theme, Standard until loaded";

    RmLoadNewTheme("Tideway Theme");
    EXPECT_EQ(PreviewOf(nullptr), "TIDEWAY");

    BOOL result = TRUE;
    EXPECT_EQ(PreviewOf("Harbour", &result), "");
    EXPECT_FALSE(result) << "a theme the library knows no picture for";
    SetString(HKEY_LOCAL_MACHINE, std::string(QORRM_STANDIN_KEY) + "\\Themes\\Harbour", "Preview",
              "HARBOUR");
    EXPECT_EQ(PreviewOf("Harbour", &result), "HARBOUR");
    EXPECT_TRUE(result);

    EXPECT_EQ(PreviewOf("Standard Theme", &result, 6), "");
    EXPECT_FALSE(result) << "a name that does not fit is not cut";
    EXPECT_EQ(PreviewOf("Standard Theme", &result, 7), "DEFPRV");
    EXPECT_TRUE(result);
}

TEST_F(ThemeLibraryTest, ThemePathIsAnExistingFolderUserBeforeMachine)
{
    const std::string userFolder = TempFolder("qor_user_theme");
    const std::string machineFolder = TempFolder("qor_machine_theme");
    BOOL result = TRUE;

    EXPECT_EQ(PathOf("Standard Theme", &result), "");
    EXPECT_FALSE(result) << "no Path";

    SetString(HKEY_LOCAL_MACHINE, ThemeKey("Standard Theme"), "Path", machineFolder);
    EXPECT_EQ(PathOf("Standard Theme", &result), machineFolder);
    EXPECT_TRUE(result);

    SetString(HKEY_CURRENT_USER, ThemeKey("Standard Theme"), "Path", userFolder);
    EXPECT_EQ(PathOf("Standard Theme", &result), userFolder);

    SetString(HKEY_CURRENT_USER, ThemeKey("Standard Theme"), "Path", userFolder + "\\missing");
    EXPECT_EQ(PathOf("Standard Theme", &result), "");
    EXPECT_FALSE(result) << "a folder that does not exist";

    char file[MAX_PATH] = {};
    ::GetTempFileNameA(userFolder.c_str(), "qor", 0, file);
    SetString(HKEY_CURRENT_USER, ThemeKey("Standard Theme"), "Path", file);
    EXPECT_EQ(PathOf("Standard Theme", &result), "");
    EXPECT_FALSE(result) << "a file is no folder";
    ::DeleteFileA(file);

    EXPECT_FALSE(RmGetThemePath(nullptr, nullptr, 0));
    EXPECT_EQ(PathOf("Standard Theme\\..\\x", &result), "");
    EXPECT_FALSE(result) << "a name that is no single key";
}

TEST_F(ThemeLibraryTest, PreviewColorsGoIntoTheColorTableOfAnEightBitPicture)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {};
    info.header = {sizeof(BITMAPINFOHEADER), 208, 143, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    for (int i = 0; i < 256; ++i)
        info.colors[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    void* bits = nullptr;
    HBITMAP picture = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(picture, nullptr);
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(memory, picture);

    const Colors colors = NumberedColors();
    RmApplyColorsForPreview(colors.data());
    EXPECT_TRUE(RmAdjustDibColorsPreview(memory));

    RGBQUAD table[256] = {};
    ASSERT_EQ(::GetDIBColorTable(memory, 0, 256, table), 256u);
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i) {
        const RGBQUAD& entry = table[QORRM_PREVIEW_FIRST_INDEX + i];
        const COLORREF expected = colors[kPreviewSources[i]];
        EXPECT_EQ(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue), expected) << "entry " << 128 + i;
    }
    EXPECT_EQ(table[127].rgbRed, 127) << "entries outside 128..132 stay";
    EXPECT_EQ(table[133].rgbRed, 133);

    // A picture without entries 128 to 132 is left alone.
    ::SelectObject(memory, previous);
    info.header.biBitCount = 4;
    info.header.biClrUsed = 16;
    HBITMAP small = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                       DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = ::SelectObject(memory, small);
    EXPECT_FALSE(RmAdjustDibColorsPreview(memory));
    EXPECT_FALSE(RmAdjustDibColorsPreview(nullptr));

    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::DeleteObject(small);
    ::DeleteObject(picture);
}

TEST_F(ThemeLibraryTest, OnePaletteWhosePreviewEntriesFollowThePreviewColors)
{
    HPALETTE palette = RmGetPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(RmGetPalette(), palette) << "one palette per process";
    EXPECT_EQ(::GetPaletteEntries(palette, 0, 0, nullptr), 256u);

    const Colors colors = NumberedColors(7);
    RmApplyColorsForPreview(colors.data());
    EXPECT_TRUE(RmAnimatePaletteForPreview(palette));
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(::GetPaletteEntries(palette, 0, 256, entries), 256u);
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i) {
        const PALETTEENTRY& entry = entries[QORRM_PREVIEW_FIRST_INDEX + i];
        EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), colors[kPreviewSources[i]])
            << "entry " << 128 + i;
    }
    EXPECT_EQ(RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue), RGB(0, 0, 0));

    // A palette too short for the preview entries is refused.
    LOGPALETTE shortPalette = {0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE other = ::CreatePalette(&shortPalette);
    EXPECT_FALSE(RmAnimatePaletteForPreview(other));
    EXPECT_FALSE(RmAnimatePaletteForPreview(nullptr));
    ::DeleteObject(other);
    EXPECT_FALSE(RmApplyColorsForPreview(nullptr));
}

TEST_F(ThemeLibraryTest, ThreadAndSystemThemes)
{
    EXPECT_EQ(Answer(&RmGetCurrentThreadTheme), "Standard Theme") << "the active theme until declared";
    EXPECT_EQ(Answer(&RmGetCurrentThreadColor), "");
    RmStandInSetThreadTheme("Tideway Theme", "Harbour Night");
    EXPECT_EQ(Answer(&RmGetCurrentThreadTheme), "Tideway Theme");
    EXPECT_EQ(Answer(&RmGetCurrentThreadColor), "Harbour Night");

    char fromOtherThread[256] = {};
    HANDLE thread = ::CreateThread(
        nullptr, 0,
        [](void* buffer) -> DWORD { return RmGetCurrentThreadTheme(static_cast<char*>(buffer), 255); },
        fromOtherThread, 0, nullptr);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    EXPECT_STREQ(fromOtherThread, "Standard Theme") << "another thread keeps the defaults";

    char system[256] = {};
    RmGetThemeBySystem("P01", system, 255);
    EXPECT_STREQ(system, "Standard Theme") << "a system without a theme of its own";
    SetString(HKEY_LOCAL_MACHINE, std::string(QORRM_STANDIN_KEY) + "\\Systems\\P01", "Theme",
              "High Contrast Theme");
    RmGetThemeBySystem("P01", system, 255);
    EXPECT_STREQ(system, "High Contrast Theme");
}

TEST_F(ThemeLibraryTest, SessionColorsAreLiveThenRecordedThenDefault)
{
    Colors session = {};
    RmStandInGetSessionColors(session.data());
    const Colors defaults = session;

    const Colors recorded = NumberedColors(1);
    const LONG before = RmStandInGetLiveGeneration();
    EXPECT_TRUE(RmApplyColors(recorded.data(), "Standard Theme"));
    EXPECT_NE(RmStandInGetLiveGeneration(), before);
    RmStandInGetSessionColors(session.data());
    EXPECT_EQ(session, recorded);

    const Colors live = NumberedColors(2);
    RmApplyColorsNoRegSave(live.data());
    RmStandInGetSessionColors(session.data());
    EXPECT_EQ(session, live);

    RmStandInClearLiveColors();  // as for a window started later
    RmStandInGetSessionColors(session.data());
    EXPECT_EQ(session, recorded) << "only RmApplyColors records";

    RmLoadNewTheme("Tideway Theme");
    RmStandInGetSessionColors(session.data());
    EXPECT_EQ(session, defaults) << "nothing recorded for the newly loaded theme";

    EXPECT_FALSE(RmApplyColors(recorded.data(), "")) << "no theme to record for";
    EXPECT_FALSE(RmApplyColors(nullptr, "Tideway Theme"));
    EXPECT_FALSE(RmLoadNewTheme(nullptr));
}

TEST_F(ThemeLibraryTest, JournalsEveryCallAndHonoursFailureSwitches)
{
    const Colors colors = NumberedColors();
    char buffer[256];
    RmGetThemePath("Standard Theme", buffer, sizeof(buffer));
    RmGetPreviewBitmap(nullptr, buffer, 256, 0);
    RmApplyColors(colors.data(), "Tideway Theme");
    RmEnableSound(1);
    RmGetThemeBySystem("P01", buffer, 255);
    std::string list;  // entry i is i, 2i, 3i + 100 as rrggbb
    for (int i = 0; i < QORRM_COLOR_COUNT; ++i) {
        char rgb[8];
        std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", i, 2 * i, 3 * i + 100);
        list += (i ? "," : "") + std::string(rgb);
    }
    EXPECT_EQ(list.substr(0, 14), "000064,010267,");
    EXPECT_EQ(ThemeLibraryCalls(),
              (Calls{"RmGetThemePath(\"Standard Theme\", 256)", "RmGetPreviewBitmap(null, 256, 0)",
                     "RmApplyColors(" + list + ", \"Tideway Theme\")", "RmEnableSound(1)",
                     "RmGetThemeBySystem(\"P01\", 255)"}));
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "Sound"), 1u);

    for (const char* getter : {"RmGetActiveTheme", "RmGetCurrentThreadTheme", "RmGetCurrentThreadColor"}) {
        FailThemeLibrary(getter);
    }
    BOOL result = TRUE;
    EXPECT_EQ(Answer(&RmGetActiveTheme, 256, &result), "");
    EXPECT_FALSE(result);
    EXPECT_EQ(Answer(&RmGetCurrentThreadTheme, 256, &result), "");
    EXPECT_FALSE(result);
    FailThemeLibrary("RmGetPreviewBitmap");
    EXPECT_EQ(PreviewOf("Standard Theme", &result), "");
    EXPECT_FALSE(result);
    FailThemeLibrary("RmGetPalette");
    EXPECT_EQ(RmGetPalette(), nullptr);
    FailThemeLibrary("RmIsLarkThemeActiveEx");
    EXPECT_FALSE(RmIsLarkThemeActiveEx(HKEY_CURRENT_USER));
}

} // namespace
