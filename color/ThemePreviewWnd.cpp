#include "color/ThemePreviewWnd.h"

#include "framework/ModuleState.h"
#include "services/MakerLibraries.h"

#include <shlwapi.h>

#include <cstring>

namespace {

const int kPictureNameSize = 256;
const int kThemeNameSize = 1024;
const int kPathSize = MAX_PATH;  // 260, as the theme library is told
const char kPictureExtension[] = ".bmp";

// A picture name is a base name: one that reaches into other folders or
// drives is not looked for as a file.
bool IsBaseName(const char* name)
{
    return name[0] != '\0' && std::strpbrk(name, "\\/:") == nullptr;
}

// The theme's own picture file, or an empty path when it has none.
bool ThemePicturePath(const char* theme, const char* picture, char (&path)[kPathSize])
{
    char resolved[kThemeNameSize] = {};
    if (theme)
        lstrcpynA(resolved, theme, kThemeNameSize);
    else
        RmGetActiveTheme(resolved, kThemeNameSize);
    resolved[kThemeNameSize - 1] = '\0';
    if (!RmGetThemePath(resolved, path, kPathSize))
        return false;
    path[kPathSize - 1] = '\0';
    return IsBaseName(picture) && PathAppendA(path, picture) && PathAddExtensionA(path, kPictureExtension);
}

HBITMAP LoadSection(HINSTANCE module, const char* name, UINT flags)
{
    return static_cast<HBITMAP>(
        ::LoadImageA(module, name, IMAGE_BITMAP, 0, 0, flags | LR_CREATEDIBSECTION));
}

} // namespace

HBITMAP CThemePreviewWnd::LoadPreviewBitmap(const char* theme)
{
    char picture[kPictureNameSize] = {};
    if (RmGetPreviewBitmap(theme, picture, kPictureNameSize, 0)) {
        picture[kPictureNameSize - 1] = '\0';
        char path[kPathSize] = {};
        if (ThemePicturePath(theme, picture, path)) {
            m_hBitmap.Reset(LoadSection(nullptr, path, LR_LOADFROMFILE));
            if (m_hBitmap)
                return m_hBitmap.Get();
        }
    } else {
        picture[0] = '\0';
    }
    // The module's own picture of that name; none when the library named none.
    m_hBitmap.Reset(picture[0] ? LoadSection(AfxGetResourceHandle(), picture, 0) : nullptr);
    return m_hBitmap.Get();
}

void CThemePreviewWnd::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    HPALETTE palette = RmGetPalette();
    const CMemoryDC memory(nullptr);
    // The library's palette is selected, never deleted: it belongs to the
    // library. Without one there is nothing to select, but the library is
    // still asked to recolour.
    const CPaletteSelection selected(dc.Get(), palette);
    if (palette)
        ::RealizePalette(dc.Get());
    RmAnimatePaletteForPreview(palette);
    if (!memory)
        return;
    const CSelection bitmap(memory.Get(), m_hBitmap.Get());
    RmAdjustDibColorsPreview(memory.Get());
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}
