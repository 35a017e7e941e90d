// The theme preview: which picture it loads, that it lets go of the one it
// held, and that every paint has the theme library recolour the picture.
#include "color/ThemePreviewWnd.h"
#include "standins/qorrm/qorrm.h"
#include "tests/color/ColorTestWindows.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace colortest;
using namespace qortest;

namespace {

const char kStandardTheme[] = "Standard Theme";
const char kLibraryThemes[] = "Software\\Qor\\ThemeLibrary\\Themes\\";
const int kPreviewWidth = 208;
const int kPreviewHeight = 143;

// A folder of its own under the temporary folder, removed with its files.
class ThemeFolder {
public:
    ThemeFolder()
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int s_count = 0;
        m_path = std::string(temp) + "qor_preview_" + std::to_string(::GetCurrentProcessId()) + "_"
                 + std::to_string(++s_count);
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ThemeFolder()
    {
        for (const std::string& file : m_files)
            ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(m_path.c_str());
    }
    ThemeFolder(const ThemeFolder&) = delete;
    ThemeFolder& operator=(const ThemeFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // An 8-bit picture of the given size, every pixel index 1.
    std::string WritePicture(const std::string& name, int width, int height)
    {
        const int stride = (width + 3) & ~3;
        BITMAPFILEHEADER file = {};
        BITMAPINFOHEADER info = {};
        RGBQUAD table[256] = {};
        table[1] = RGBQUAD{10, 20, 30, 0};
        info.biSize = sizeof(info);
        info.biWidth = width;
        info.biHeight = height;
        info.biPlanes = 1;
        info.biBitCount = 8;
        info.biClrUsed = 256;
        const std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height, 1);
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(info) + sizeof(table);
        file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
        const std::string path = m_path + "\\" + name;
        FILE* out = std::fopen(path.c_str(), "wb");
        if (out) {
            std::fwrite(&file, sizeof(file), 1, out);
            std::fwrite(&info, sizeof(info), 1, out);
            std::fwrite(table, sizeof(table), 1, out);
            std::fwrite(pixels.data(), 1, pixels.size(), out);
            std::fclose(out);
        }
        m_files.push_back(path);
        return path;
    }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

bool IsSection(HBITMAP bitmap)
{
    DIBSECTION section = {};
    return ::GetObjectA(bitmap, sizeof(section), &section) == sizeof(section);
}

bool IsGone(HBITMAP bitmap)
{
    return ::GetObjectType(bitmap) == 0;
}

void SetThemeFolder(const char* theme, const std::string& folder)
{
    SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + theme, "Path", folder);
}

class ThemePreviewWndTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        ResetStandIns();
    }
};

TEST_F(ThemePreviewWndTest, LoadsTheModulesPictureOfTheTheme)
{
    struct Case {
        const char* theme;
        const char* picture;
    };
    for (const Case& test : {Case{kStandardTheme, "DEFPRV"}, Case{"High Contrast Theme", "HCPRV"},
                             Case{"Tideway Theme", "TIDEWAY"}}) {
        CThemePreviewWnd preview;
        HBITMAP bitmap = preview.LoadPreviewBitmap(test.theme);
        ASSERT_NE(bitmap, nullptr) << test.theme;
        EXPECT_EQ(SizeOf(bitmap).cx, kPreviewWidth);
        EXPECT_EQ(SizeOf(bitmap).cy, kPreviewHeight);
        EXPECT_TRUE(IsSection(bitmap)) << "a section, so that its colour table can be rewritten";
        DIBSECTION section = {};
        ::GetObjectA(bitmap, sizeof(section), &section);
        EXPECT_EQ(section.dsBmih.biBitCount, 8);
    }
}

TEST_F(ThemePreviewWndTest, TheThemesOwnFileWinsAndRemovingItFallsBackToTheResource)
{
    ThemeFolder folder;
    const std::string file = folder.WritePicture("DEFPRV.bmp", 20, 10);
    SetThemeFolder(kStandardTheme, folder.Path());
    CThemePreviewWnd preview;

    HBITMAP own = preview.LoadPreviewBitmap(kStandardTheme);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(SizeOf(own).cx, 20) << "the theme's file";
    EXPECT_TRUE(IsSection(own));

    ASSERT_TRUE(::DeleteFileA(file.c_str()));
    HBITMAP resource = preview.LoadPreviewBitmap(kStandardTheme);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(SizeOf(resource).cx, kPreviewWidth) << "the module's picture";
    EXPECT_TRUE(IsGone(own));
}

TEST_F(ThemePreviewWndTest, TheActiveThemeIsLoadedWhenNoThemeIsNamed)
{
    ThemeFolder folder;
    folder.WritePicture("DEFPRV.bmp", 12, 12);
    SetThemeFolder(kStandardTheme, folder.Path());
    CThemePreviewWnd preview;
    HBITMAP bitmap = preview.LoadPreviewBitmap(nullptr);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap).cx, 12);
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme").size(), 1u);
}

TEST_F(ThemePreviewWndTest, AThemeWithoutAPictureLeavesNoBitmap)
{
    CThemePreviewWnd preview;
    HBITMAP held = preview.LoadPreviewBitmap(kStandardTheme);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(preview.LoadPreviewBitmap("No Such Theme"), nullptr);
    EXPECT_TRUE(IsGone(held));

    // A picture name the module does not carry, with no file of the theme.
    SetString(HKEY_CURRENT_USER, std::string(kLibraryThemes) + "Harbour", "Preview", "HARBOUR");
    EXPECT_EQ(preview.LoadPreviewBitmap("Harbour"), nullptr);
}

TEST_F(ThemePreviewWndTest, AThemeMayNameOneOfTheModulesPictures)
{
    SetString(HKEY_CURRENT_USER, std::string(kLibraryThemes) + "Harbour", "Preview", "TIDEWAY");
    CThemePreviewWnd preview;
    HBITMAP bitmap = preview.LoadPreviewBitmap("Harbour");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap).cx, kPreviewWidth);
}

TEST_F(ThemePreviewWndTest, APictureNameThatLeavesTheThemeFolderIsNotLookedFor)
{
    ThemeFolder folder;
    ThemeFolder elsewhere;
    const std::string outside = elsewhere.WritePicture("Outside.bmp", 9, 9);
    SetThemeFolder("Harbour", folder.Path());
    const std::string relative = "..\\" + elsewhere.Path().substr(elsewhere.Path().rfind('\\') + 1) + "\\Outside";
    SetString(HKEY_CURRENT_USER, std::string(kLibraryThemes) + "Harbour", "Preview", relative);
    CThemePreviewWnd preview;
    EXPECT_EQ(preview.LoadPreviewBitmap("Harbour"), nullptr);
}

TEST_F(ThemePreviewWndTest, RepeatedLoadsReleaseThePreviousBitmapOnBothPaths)
{
    ThemeFolder folder;
    const std::string file = folder.WritePicture("DEFPRV.bmp", 16, 16);
    SetThemeFolder(kStandardTheme, folder.Path());
    CThemePreviewWnd preview;
    std::vector<HBITMAP> loaded;
    for (int round = 0; round < 20; ++round)
        loaded.push_back(preview.LoadPreviewBitmap(kStandardTheme));
    ASSERT_TRUE(::DeleteFileA(file.c_str()));
    for (int round = 0; round < 20; ++round)
        loaded.push_back(preview.LoadPreviewBitmap(kStandardTheme));
    int alive = 0;
    for (HBITMAP bitmap : loaded)
        alive += IsGone(bitmap) ? 0 : 1;
    EXPECT_EQ(alive, 1) << "only the bitmap held now";
    EXPECT_FALSE(IsGone(loaded.back()));
}

TEST_F(ThemePreviewWndTest, TheBitmapGoesWithTheWindowObject)
{
    HBITMAP bitmap = nullptr;
    {
        HostWindow host(300, 200);
        CThemePreviewWnd preview;
        preview.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 208, 143}, &host, 4097);
        bitmap = preview.LoadPreviewBitmap(kStandardTheme);
        ASSERT_NE(bitmap, nullptr);
    }
    EXPECT_TRUE(IsGone(bitmap));
}

// 23 colours with the five that the preview shows set apart.
std::vector<COLORREF> PreviewColors(COLORREF window, COLORREF desktop)
{
    std::vector<COLORREF> colors(QORRM_COLOR_COUNT, RGB(90, 90, 90));
    colors[1] = window;
    colors[22] = desktop;
    return colors;
}

TEST_F(ThemePreviewWndTest, EveryPaintHasTheLibraryRecolourThePictureAgain)
{
    HostWindow host(300, 200);
    CThemePreviewWnd preview;
    ASSERT_TRUE(preview.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE,
                               RECT{0, 0, kPreviewWidth, kPreviewHeight}, &host, 4097));
    HBITMAP bitmap = preview.LoadPreviewBitmap(kStandardTheme);
    ASSERT_NE(bitmap, nullptr);

    // The picture: the desktop in its corner, the window background inside.
    const POINT desktop = {1, 1}, window = {20, 90};
    for (COLORREF tint : {RGB(200, 10, 10), RGB(10, 10, 200)}) {
        const std::vector<COLORREF> colors = PreviewColors(RGB(250, 250, 240), tint);
        RmApplyColorsForPreview(colors.data());
        ResetStandIns();
        preview.RedrawNow();
        const std::vector<std::string> calls = ThemeLibraryCalls();
        EXPECT_EQ(CallsTo(calls, "RmGetPalette").size(), 1u);
        EXPECT_EQ(CallsTo(calls, "RmAnimatePaletteForPreview").size(), 1u);
        EXPECT_EQ(CallsTo(calls, "RmAdjustDibColorsPreview").size(), 1u);
        EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), desktop.x, desktop.y), tint);
        EXPECT_EQ(PixelOf(preview.GetSafeHwnd(), window.x, window.y), RGB(250, 250, 240));
    }
    EXPECT_FALSE(IsGone(bitmap)) << "painting does not reload";
}

TEST_F(ThemePreviewWndTest, PaintsWithoutABitmap)
{
    HostWindow host(300, 200);
    CThemePreviewWnd preview;
    ASSERT_TRUE(preview.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE,
                               RECT{0, 0, kPreviewWidth, kPreviewHeight}, &host, 4097));
    ResetStandIns();
    preview.RedrawNow();
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmAdjustDibColorsPreview").size(), 1u);
}

} // namespace
