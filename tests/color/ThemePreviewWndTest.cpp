// The theme preview: which picture it loads, that it lets go of the one it
// held, and that every paint has the theme library recolour the picture.
#include "color/ThemePreviewWnd.h"
#include "standins/qorrm/qorrm.h"
#include "tests/color/ColorTestWindows.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace colortest;
using namespace qortest;

namespace {

const char kStandardTheme[] = "Standard Theme";
const char kModulesPicture[] = "208x143x8";

// "width x height x bits" of a device-independent section, "none" for anything else.
std::string Shape(HBITMAP bitmap)
{
    DIBSECTION dib = {};
    if (::GetObjectA(bitmap, sizeof(dib), &dib) != sizeof(dib))
        return "none";
    return std::to_string(dib.dsBm.bmWidth) + "x" + std::to_string(dib.dsBm.bmHeight) + "x" + std::to_string(dib.dsBm.bmBitsPixel);
}

// Theme folders of the test's own under the temporary folder, removed after it.
class ThemePreviewWndTest : public StandInTest {
protected:
    void TearDown() override
    {
        std::filesystem::remove_all(m_root);
        StandInTest::TearDown();
    }
    // A new folder, made the given theme's folder.
    std::filesystem::path ThemeFolder(const char* theme)
    {
        const std::filesystem::path folder = m_root / theme;
        std::filesystem::create_directories(folder);
        SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + theme, "Path", folder.string());
        return folder;
    }

    const std::filesystem::path m_root =
        std::filesystem::temp_directory_path() / ("qor_preview_" + std::to_string(::GetCurrentProcessId()));
};

// A 16 x 16 8-bit picture in one colour.
std::string WritePicture(const std::filesystem::path& folder, const char* name)
{
    const int width = 16;
    const RGBQUAD color = {10, 20, 30, 0};
    const std::string pixels(static_cast<size_t>((width + 3) & ~3) * width, '\0');
    const BITMAPINFOHEADER info = {sizeof(info), width, width, 1, 8, BI_RGB, 0, 0, 0, 1, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(info) + sizeof(color);
    const BITMAPFILEHEADER file = {0x4D42, offset + static_cast<DWORD>(pixels.size()), 0, 0, offset};
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(&file), sizeof(file))
        .write(reinterpret_cast<const char*>(&info), sizeof(info))
        .write(reinterpret_cast<const char*>(&color), sizeof(color))
        << pixels;
    return path;
}

TEST_F(ThemePreviewWndTest, TheThemesFileWinsThenTheModulesPictureElseNoneAndEachLoadReleasesTheLast)
{
    const std::string file = WritePicture(ThemeFolder(kStandardTheme), "DEFPRV.bmp");
    ThemeFolder("Harbour");
    ThemeFolder("Lighthouse");
    SetString(HKEY_CURRENT_USER, "Software\\Qor\\ThemeLibrary\\Themes\\Harbour", "Preview", "HARBOUR");
    SetString(HKEY_CURRENT_USER, "Software\\Qor\\ThemeLibrary\\Themes\\Lighthouse", "Preview", "..\\Standard Theme\\DEFPRV");
    const struct {
        const char* theme;
        const char* shape;
    } loads[] = {
        {kStandardTheme, "16x16x8"},
        {nullptr, "16x16x8"},  // the active theme, the same
        {"Tideway Theme", kModulesPicture},
        {"High Contrast Theme", kModulesPicture},
        {"No Such Theme", "none"},  // the library knows no picture
        {"Harbour", "none"},  // a picture the module does not carry
        {"Lighthouse", "none"},  // a name that climbs out of the theme's folder
    };
    HBITMAP held = nullptr;
    {
        CThemePreviewWnd preview;
        for (const auto& load : loads) {
            const HBITMAP last = std::exchange(held, preview.LoadPreviewBitmap(load.theme));
            EXPECT_EQ(Shape(held), load.shape) << "load " << &load - loads;
            EXPECT_EQ(Shape(last), "none") << "released by load " << &load - loads;
        }
        ::DeleteFileA(file.c_str());
        held = preview.LoadPreviewBitmap(kStandardTheme);
        EXPECT_EQ(Shape(held), kModulesPicture) << "its file removed: never a stale copy";
    }
    EXPECT_EQ(Shape(held), "none") << "released with the window object";
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme").size(), 1u) << "only for the unnamed theme";
}

TEST_F(ThemePreviewWndTest, EveryPaintHasTheLibraryRecolourThePictureAgain)
{
    HostWindow host;
    CThemePreviewWnd preview;
    ASSERT_TRUE(CreateChild(preview, host, RECT{0, 0, 208, 143}, 4097));
    preview.RedrawNow();  // with no picture yet
    HBITMAP bitmap = preview.LoadPreviewBitmap(kStandardTheme);

    // The picture shows the desktop (colour 22) in its corner. Without a
    // library palette nothing is selected, but the library still recolours.
    for (const bool palette : {true, false}) {
        const COLORREF desktop = palette ? RGB(200, 10, 10) : RGB(10, 10, 200);
        std::vector<COLORREF> colors(QORRM_COLOR_COUNT, RGB(90, 90, 90));
        colors[22] = desktop;
        RmApplyColorsForPreview(colors.data());
        ResetStandIns();
        if (!palette)
            FailThemeLibrary("RmGetPalette");
        preview.RedrawNow();
        const std::vector<std::string> calls = ThemeLibraryCalls();
        for (const char* call : {"RmGetPalette", "RmAnimatePaletteForPreview", "RmAdjustDibColorsPreview"})
            EXPECT_EQ(CallsTo(calls, call).size(), 1u) << call;
        EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), 1, 1), desktop);
    }
    EXPECT_EQ(Shape(bitmap), kModulesPicture) << "painting does not reload";
}

} // namespace
