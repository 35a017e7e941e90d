// The theme preview: which picture it loads, that it lets go of the one it held, and that every paint has
// the theme library recolour the picture.
#include "color/ThemePreviewWnd.h"
#include "standins/qorrm/qorrm.h"
#include "tests/color/ColorTestWindows.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <cstddef>
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

using ThemePreviewWndTest = StandInTest;

// A 16 x 16 8-bit picture file in one colour.
#pragma pack(push, 2)
struct Picture {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    RGBQUAD color;
    BYTE pixels[16][16];
};
#pragma pack(pop)

TEST_F(ThemePreviewWndTest, TheThemesFileWinsThenTheModulesPictureEachLoadReleasesTheLastAndEachPaintRecolours)
{
    // Theme folders of the test's own, with the picture names the library gives.
    const std::filesystem::path root = std::filesystem::temp_directory_path() / ("qor_preview_" + std::to_string(::GetCurrentProcessId()));
    const std::pair<const char*, const char*> themes[] = {
        {kStandardTheme, nullptr}, {"Harbour", "HARBOUR"}, {"Lighthouse", "..\\Standard Theme\\DEFPRV"}};
    for (const auto& [theme, preview] : themes) {
        std::filesystem::create_directories(root / theme);
        SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + theme, "Path", (root / theme).string());
        if (preview)
            SetString(HKEY_CURRENT_USER, std::string("Software\\Qor\\ThemeLibrary\\Themes\\") + theme, "Preview", preview);
    }
    const Picture picture = {{0x4D42, sizeof(Picture), 0, 0, offsetof(Picture, pixels)},
                             {sizeof(BITMAPINFOHEADER), 16, 16, 1, 8, BI_RGB, 0, 0, 0, 1, 0}, {10, 20, 30, 0}, {}};
    const std::string file = (root / kStandardTheme / "DEFPRV.bmp").string();
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(&picture), sizeof(picture));
    const struct {
        const char* theme;
        const char* shape;
    } loads[] = {
        {kStandardTheme, "16x16x8"},
        {nullptr, "16x16x8"},  // the active theme, the same
        {"Tideway Theme", kModulesPicture},
        {"High Contrast Theme", kModulesPicture},
        {"No Such Theme", "none"},  // the library knows no picture
        {"Harbour", "none"},     // a picture the module does not carry
        {"Lighthouse", "none"},  // a name that climbs out of the theme's folder
    };
    HBITMAP held = nullptr;
    {
        HostWindow host;
        CThemePreviewWnd preview;
        ASSERT_TRUE(CreateChild(preview, host, RECT{0, 0, 208, 143}, 4097));
        preview.RedrawNow();  // with no picture yet
        for (const auto& load : loads) {
            const HBITMAP last = std::exchange(held, preview.LoadPreviewBitmap(load.theme));
            EXPECT_EQ(Shape(held), load.shape) << "load " << &load - loads;
            EXPECT_EQ(Shape(last), "none") << "released by load " << &load - loads;
        }
        ::DeleteFileA(file.c_str());
        held = preview.LoadPreviewBitmap(kStandardTheme);
        EXPECT_EQ(Shape(held), kModulesPicture) << "its file removed: never a stale copy";
        // The buffers' sizes as the library is told them; the active theme asked only for the unnamed load.
        const std::vector<std::string> calls = ThemeLibraryCalls();
        EXPECT_EQ(CallsTo(calls, "RmGetActiveTheme"), std::vector<std::string>{"RmGetActiveTheme(1024)"});
        for (const auto& [name, size] : {std::pair{"RmGetPreviewBitmap", ", 256, "}, {"RmGetThemePath", ", 260)"}}) {
            const std::vector<std::string> made = CallsTo(calls, name);
            EXPECT_FALSE(made.empty()) << name;
            for (const std::string& call : made)
                EXPECT_NE(call.find(size), std::string::npos) << call;
        }
        // The desktop (colour 22) fills the picture's corner. Without a library palette the library still recolours.
        for (const bool palette : {true, false}) {
            const COLORREF desktop = palette ? RGB(200, 10, 10) : RGB(10, 10, 200);
            std::vector<COLORREF> colors(QORRM_COLOR_COUNT, RGB(90, 90, 90));
            colors[22] = desktop;
            RmApplyColorsForPreview(colors.data());
            ResetStandIns();
            if (!palette)
                FailThemeLibrary("RmGetPalette");
            preview.RedrawNow();
            const std::vector<std::string> painted = ThemeLibraryCalls();
            for (const char* call : {"RmGetPalette", "RmAnimatePaletteForPreview", "RmAdjustDibColorsPreview"})
                EXPECT_EQ(CallsTo(painted, call).size(), 1u) << call;
            EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), 1, 1), desktop);
        }
        EXPECT_EQ(Shape(held), kModulesPicture) << "painting does not reload";
    }
    EXPECT_EQ(Shape(held), "none") << "released with the window object";
    std::filesystem::remove_all(root);
}

} // namespace
