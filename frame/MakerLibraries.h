// The maker's libraries that the module calls: the theme library, the text
// library and the utility library. The module reaches them only through
// this header, and imports them by name at load time.
#pragma once

#include "model/Theme.h"
#include "standins/qorrm/qorrm.h"
#include "standins/qortext/qortext.h"
#include "standins/qorutil/qorutil.h"

#include <algorithm>
#include <array>

static_assert(kPaletteSize == QORRM_COLOR_COUNT, "a colour list is one colour per palette entry");

// A colour list in the theme library's own type, for its apply functions.
inline std::array<COLORREF, QORRM_COLOR_COUNT> ToLibraryColors(const ColorList& colors)
{
    std::array<COLORREF, QORRM_COLOR_COUNT> libraryColors = {};
    std::copy(colors.begin(), colors.end(), libraryColors.begin());
    return libraryColors;
}
