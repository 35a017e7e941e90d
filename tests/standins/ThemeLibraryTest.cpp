// The theme library stand-in as the module and the front end rely on it:
// preview pictures and theme folders, preview colours written into the
// library palette and into an 8-bit picture, the calling thread's and
// systems' themes, and recorded and live colours kept under its own key.
#include "framework/GdiHandles.h"
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <thread>
#include <vector>

using namespace qortest;

namespace {

using Colors = std::array<COLORREF, QORRM_COLOR_COUNT>;

// 23 distinct colours: entry i is (i + offset, 2i + offset, 3i + 100).
Colors NumberedColors(int offset)
{
    Colors colors;
    for (int i = 0; i < QORRM_COLOR_COUNT; ++i)
        colors[i] = RGB(i + offset, 2 * i + offset, 3 * i + 100);
    return colors;
}

// The colours that entries 128 to 132 take, as qorrm.h documents.
const int kPreviewSources[] = {1, 5, 9, 17, 22};

// What a name getter leaves in the buffer, marked when it answers FALSE.
std::string Name(const std::function<BOOL(char*, int)>& get, int size = 256)
{
    std::vector<char> buffer(static_cast<size_t>(size), 'x');
    const BOOL answer = get(buffer.data(), size);
    return (answer ? "" : "failed:") + std::string(buffer.data());
}

class ThemeLibraryTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        RmStandInClearLiveColors();
        RmStandInSetThreadTheme(nullptr, nullptr);
    }
    void TearDown() override
    {
        RmStandInClearLiveColors();
        StandInTest::TearDown();
    }
};

TEST_F(ThemeLibraryTest, PreviewPicturesAndThemeFolders)
{
    const auto preview = [](const char* theme, int size = 256) {
        return Name([&](char* buffer, int n) { return RmGetPreviewBitmap(theme, buffer, n, 0); }, size);
    };
    EXPECT_EQ(preview("Standard Theme"), "DEFPRV");
    EXPECT_EQ(preview("High Contrast Theme"), "HCPRV");
    EXPECT_EQ(preview("Tideway Theme"), "TIDEWAY");
    EXPECT_EQ(preview(nullptr), "DEFPRV") << "the active theme, Standard until one is loaded";
    RmLoadNewTheme("Tideway Theme");
    EXPECT_EQ(preview(nullptr), "TIDEWAY");
    EXPECT_EQ(preview("Harbour"), "failed:") << "a theme without a known picture";
    EXPECT_EQ(preview("Standard Theme", 6), "failed:") << "a name that does not fit is not cut";

    const auto path = [](const char* theme) {
        return Name([&](char* buffer, int n) { return RmGetThemePath(theme, buffer, n); });
    };
    const std::string key = std::string(kThemesKey) + "\\Standard Theme";
    EXPECT_EQ(path("Standard Theme"), "failed:") << "no Path";
    SetString(HKEY_LOCAL_MACHINE, key, "Path", "C:\\windows");
    EXPECT_EQ(path("Standard Theme"), "C:\\windows");
    SetString(HKEY_CURRENT_USER, key, "Path", "C:\\windows\\system32");
    EXPECT_EQ(path("Standard Theme"), "C:\\windows\\system32") << "the user's Path first";
    SetString(HKEY_CURRENT_USER, key, "Path", "C:\\windows\\missing");
    EXPECT_EQ(path("Standard Theme"), "failed:") << "a folder that does not exist";
    EXPECT_EQ(path("Standard Theme\\..\\x"), "failed:") << "a name that is no single key";
}

TEST_F(ThemeLibraryTest, PreviewColorsGoIntoEntries128To132OfThePaletteAndOfAnEightBitPicture)
{
    const Colors colors = NumberedColors(7);
    EXPECT_TRUE(RmApplyColorsForPreview(colors.data()));
    const auto expectPreviewEntries = [&](const std::function<COLORREF(int)>& entry) {
        for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i)
            EXPECT_EQ(entry(QORRM_PREVIEW_FIRST_INDEX + i), colors[kPreviewSources[i]]) << "entry " << 128 + i;
    };

    HPALETTE palette = RmGetPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(RmGetPalette(), palette) << "one palette per process";
    EXPECT_TRUE(RmAnimatePaletteForPreview(palette));
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(::GetPaletteEntries(palette, 0, 256, entries), 256u);
    expectPreviewEntries([&](int i) { return RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue); });

    // A grey picture like the preview pictures: entry i is (i, i, i).
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {{sizeof(BITMAPINFOHEADER), 208, 143, 1, 8, BI_RGB, 0, 0, 0, 256, 0}, {}};
    for (int i = 0; i < 256; ++i)
        info.colors[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    void* bits = nullptr;
    const CBitmap picture(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                             DIB_RGB_COLORS, &bits, nullptr, 0));
    const CMemoryDC memory(nullptr);
    const CSelection selected(memory.Get(), picture.Get());
    EXPECT_TRUE(RmAdjustDibColorsPreview(memory.Get()));
    RGBQUAD table[256] = {};
    ASSERT_EQ(::GetDIBColorTable(memory.Get(), 0, 256, table), 256u);
    expectPreviewEntries([&](int i) { return RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue); });
    EXPECT_EQ(table[127].rgbRed, 127) << "entries outside 128..132 stay";
    EXPECT_EQ(table[133].rgbRed, 133);

    EXPECT_FALSE(RmAdjustDibColorsPreview(nullptr));
    EXPECT_FALSE(RmAnimatePaletteForPreview(nullptr));
}

TEST_F(ThemeLibraryTest, ThreadAndSystemThemesAreWhatTheFrontEndDeclared)
{
    EXPECT_EQ(Name(&RmGetCurrentThreadTheme), "Standard Theme") << "the active theme until declared";
    EXPECT_EQ(Name(&RmGetCurrentThreadColor), "");
    RmStandInSetThreadTheme("Tideway Theme", "Harbour Night");
    EXPECT_EQ(Name(&RmGetCurrentThreadTheme), "Tideway Theme");
    EXPECT_EQ(Name(&RmGetCurrentThreadColor), "Harbour Night");
    std::string otherThread;
    std::thread([&] { otherThread = Name(&RmGetCurrentThreadTheme); }).join();
    EXPECT_EQ(otherThread, "Standard Theme") << "another thread keeps the defaults";

    const auto systemTheme = [] {
        return Name([](char* buffer, int n) { return RmGetThemeBySystem("P01", buffer, n); });
    };
    EXPECT_EQ(systemTheme(), "Standard Theme") << "a system without a theme of its own";
    SetString(HKEY_LOCAL_MACHINE, std::string(QORRM_STANDIN_KEY) + "\\Systems\\P01", "Theme",
              "High Contrast Theme");
    EXPECT_EQ(systemTheme(), "High Contrast Theme");
}

TEST_F(ThemeLibraryTest, SessionColorsAreLiveThenRecordedThenDefaultAndKeptOutsideTheModulesKeys)
{
    const auto session = [] {
        Colors colors = {};
        RmStandInGetSessionColors(colors.data());
        return colors;
    };
    const Colors defaults = session();
    const Colors recorded = NumberedColors(1);
    const Colors live = NumberedColors(2);
    const LONG generation = RmStandInGetLiveGeneration();
    EXPECT_TRUE(RmApplyColors(recorded.data(), "Standard Theme"));
    EXPECT_NE(RmStandInGetLiveGeneration(), generation) << "running windows repaint";
    EXPECT_EQ(session(), recorded);
    EXPECT_TRUE(RmApplyColorsNoRegSave(live.data()));
    EXPECT_EQ(session(), live);
    RmStandInClearLiveColors();  // as for a window started later
    EXPECT_EQ(session(), recorded) << "only RmApplyColors records";
    EXPECT_TRUE(RmLoadNewTheme("Tideway Theme"));
    EXPECT_EQ(session(), defaults) << "nothing recorded for the newly loaded theme";
    EXPECT_TRUE(RmEnableSound(TRUE));
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        EXPECT_FALSE(KeyExists(hive, "Software\\Qor\\General")) << "the module's settings stay untouched";

    EXPECT_FALSE(RmApplyColors(recorded.data(), "")) << "no theme to record for";
    EXPECT_FALSE(RmApplyColors(nullptr, "Tideway Theme"));
}

} // namespace
