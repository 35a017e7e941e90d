// The theme library stand-in as the module and the front end rely on it
// (preview pictures, theme folders and the recoloured picture are seen
// through the module's preview): preview colours written into the library
// palette, the thread's and systems' themes the front end declares, and
// recorded and live colours kept under the library's own key.
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Registry.h"

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

// What a name getter answers, marked when it fails.
std::string Name(const std::function<BOOL(char*, int)>& get)
{
    char buffer[256] = {};
    const BOOL answer = get(buffer, sizeof(buffer));
    return (answer ? "" : "failed:") + std::string(buffer);
}

// Live colours are seen by every process: none are left behind.
class ThemeLibraryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        RmStandInClearLiveColors();
    }
    void TearDown() override
    {
        RmStandInClearLiveColors();
        RegistryTest::TearDown();
    }
};

TEST_F(ThemeLibraryTest, PreviewColorsGoIntoEntries128To132OfThePalette)
{
    const Colors colors = NumberedColors(7);
    std::vector<COLORREF> expected;  // the sources qorrm.h documents
    for (int source : {1, 5, 9, 17, 22})
        expected.push_back(colors[source]);
    EXPECT_TRUE(RmApplyColorsForPreview(colors.data()));

    HPALETTE palette = RmGetPalette();
    EXPECT_EQ(RmGetPalette(), palette) << "one palette per process";
    EXPECT_TRUE(RmAnimatePaletteForPreview(palette));
    PALETTEENTRY entries[QORRM_PREVIEW_INDEX_COUNT] = {};
    ::GetPaletteEntries(palette, QORRM_PREVIEW_FIRST_INDEX, QORRM_PREVIEW_INDEX_COUNT, entries);
    std::vector<COLORREF> shown;
    for (const PALETTEENTRY& entry : entries)
        shown.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
    EXPECT_EQ(shown, expected);
}

TEST_F(ThemeLibraryTest, ThreadAndSystemThemesAreWhatTheFrontEndDeclared)
{
    EXPECT_EQ(Name(&RmGetCurrentThreadTheme) + "/" + Name(&RmGetCurrentThreadColor), "Standard Theme/")
        << "the active theme and no setting until declared";
    RmStandInSetThreadTheme("Tideway Theme", "Harbour Night");
    EXPECT_EQ(Name(&RmGetCurrentThreadTheme) + "/" + Name(&RmGetCurrentThreadColor), "Tideway Theme/Harbour Night");
    std::string otherThread;
    std::thread([&] { otherThread = Name(&RmGetCurrentThreadTheme); }).join();
    EXPECT_EQ(otherThread, "Standard Theme") << "another thread keeps the defaults";
    RmStandInSetThreadTheme(nullptr, nullptr);

    const auto systemTheme = [] { return Name([](char* b, int n) { return RmGetThemeBySystem("P01", b, n); }); };
    EXPECT_EQ(systemTheme(), "Standard Theme") << "a system without a theme of its own";
    SetString(HKEY_LOCAL_MACHINE, QORRM_STANDIN_KEY "\\Systems\\P01", "Theme", "High Contrast Theme");
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
}

} // namespace
