// The theme preview: which picture it loads, that it lets go of the one it
// held, and that every paint has the theme library recolour the picture.
#include "color/ThemePreviewWnd.h"
#include "standins/qorrm/qorrm.h"
#include "tests/color/ColorTestWindows.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
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
class ThemePreviewWndTest : public RegistryTest {
protected:
    void TearDown() override
    {
        std::filesystem::remove_all(m_root);
        RegistryTest::TearDown();
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

// A square 8-bit picture in one colour.
std::string WritePicture(const std::filesystem::path& folder, const char* name, int width)
{
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

TEST_F(ThemePreviewWndTest, TheThemesOwnFileWinsRemovingItFallsBackAndEachLoadReleasesTheLast)
{
    const std::string file = WritePicture(ThemeFolder(kStandardTheme), "DEFPRV.bmp", 16);
    ResetStandIns();
    std::vector<HBITMAP> loaded;
    {
        CThemePreviewWnd preview;
        for (int round = 0; round < 10; ++round) {
            if (round == 5)
                ::DeleteFileA(file.c_str());
            // Round 3 asks for the active theme, which is the same.
            loaded.push_back(preview.LoadPreviewBitmap(round == 3 ? nullptr : kStandardTheme));
            EXPECT_EQ(Shape(loaded.back()), round < 5 ? "16x16x8" : kModulesPicture) << "round " << round;
        }
        const auto released = [](HBITMAP bitmap) { return Shape(bitmap) == "none"; };
        EXPECT_EQ(std::count_if(loaded.begin(), loaded.end(), released), 9) << "only the one held now lives";
    }
    EXPECT_EQ(Shape(loaded.back()), "none") << "released with the window object";
    // The buffers' sizes as the library is told them.
    const std::vector<std::string> calls = ThemeLibraryCalls();
    EXPECT_EQ(CallsTo(calls, "RmGetActiveTheme"), std::vector<std::string>{"RmGetActiveTheme(1024)"}) << "only for the unnamed theme";
    std::vector<std::string> pictures(10, "RmGetPreviewBitmap(\"Standard Theme\", 256, 0)");
    pictures[3] = "RmGetPreviewBitmap(null, 256, 0)";
    EXPECT_EQ(CallsTo(calls, "RmGetPreviewBitmap"), pictures);
    EXPECT_EQ(CallsTo(calls, "RmGetThemePath"), std::vector<std::string>(10, "RmGetThemePath(\"Standard Theme\", 260)"));
}

TEST_F(ThemePreviewWndTest, ShippedThemesGetTheModulesPictureUnknownOnesAndNamesLeavingTheFolderNone)
{
    CThemePreviewWnd preview;
    HBITMAP held = nullptr;
    for (const char* theme : {"High Contrast Theme", "Tideway Theme", kStandardTheme}) {
        held = preview.LoadPreviewBitmap(theme);
        EXPECT_EQ(Shape(held), kModulesPicture) << theme;
    }
    EXPECT_EQ(preview.LoadPreviewBitmap("No Such Theme"), nullptr) << "the library knows no picture";
    EXPECT_EQ(Shape(held), "none");

    const char harbour[] = "Software\\Qor\\ThemeLibrary\\Themes\\Harbour";
    SetString(HKEY_CURRENT_USER, harbour, "Preview", "HARBOUR");
    EXPECT_EQ(preview.LoadPreviewBitmap("Harbour"), nullptr) << "a picture the module does not carry";

    // A name that climbs out of the theme's folder to a picture beside it.
    WritePicture(ThemeFolder("Elsewhere"), "Outside.bmp", 9);
    ThemeFolder("Harbour");
    SetString(HKEY_CURRENT_USER, harbour, "Preview", "..\\Elsewhere\\Outside");
    EXPECT_EQ(preview.LoadPreviewBitmap("Harbour"), nullptr);
}

TEST_F(ThemePreviewWndTest, EveryPaintHasTheLibraryRecolourThePictureAgain)
{
    HostWindow host;
    CThemePreviewWnd preview;
    ASSERT_TRUE(CreateChild(preview, host, RECT{0, 0, 208, 143}, 4097));
    ResetStandIns();
    preview.RedrawNow();
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmAdjustDibColorsPreview").size(), 1u) << "painted with no picture";
    HBITMAP bitmap = preview.LoadPreviewBitmap(kStandardTheme);

    // The picture: the desktop (colour 22) in its corner, the window
    // background (colour 1) inside. Without a library palette nothing is
    // selected, but the library is still asked to recolour.
    for (const bool palette : {true, false}) {
        const COLORREF desktop = palette ? RGB(200, 10, 10) : RGB(10, 10, 200);
        std::vector<COLORREF> colors(QORRM_COLOR_COUNT, RGB(90, 90, 90));
        colors[1] = RGB(250, 250, 240);
        colors[22] = desktop;
        RmApplyColorsForPreview(colors.data());
        ResetStandIns();
        if (!palette)
            FailThemeLibrary("RmGetPalette");
        preview.RedrawNow();
        const std::vector<std::string> calls = ThemeLibraryCalls();
        for (const char* call : {"RmGetPalette", "RmAnimatePaletteForPreview", "RmAdjustDibColorsPreview"}) {
            EXPECT_EQ(CallsTo(calls, call).size(), 1u) << call;
        }
        EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), 1, 1), desktop);
        EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), 20, 90), RGB(250, 250, 240));
    }
    EXPECT_EQ(Shape(bitmap), kModulesPicture) << "painting does not reload";
}

} // namespace
