// A setting's colour list in the form the theme library's apply functions take.
#pragma once

#include "model/Theme.h"
#include "services/MakerLibraries.h"

#include <algorithm>
#include <array>

static_assert(kPaletteSize == QORRM_COLOR_COUNT, "a colour list is one colour per palette entry");

using LibraryColors = std::array<COLORREF, QORRM_COLOR_COUNT>;

inline LibraryColors ToLibraryColors(const ColorList& colors)
{
    LibraryColors libraryColors = {};
    std::copy(colors.begin(), colors.end(), libraryColors.begin());
    return libraryColors;
}

// A setting's two palettes as the library takes them.
inline LibraryColors MainLibraryColors(const CTheme& setting)
{
    ColorList colors = {};
    setting.GetMainColors(colors);
    return ToLibraryColors(colors);
}

inline LibraryColors ShiftLibraryColors(const CTheme& setting)
{
    ColorList colors = {};
    setting.GetShiftColors(colors);
    return ToLibraryColors(colors);
}
