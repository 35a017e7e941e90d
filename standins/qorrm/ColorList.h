// The colour lists the theme library works with, and its own default colours.
#pragma once

#include "standins/qorrm/qorrm.h"

#include <array>

using ColorList = std::array<COLORREF, QORRM_COLOR_COUNT>;

namespace detail {
constexpr COLORREF Hex(unsigned rgb)
{
    return RGB((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}
} // namespace detail

// A cool blue-grey scheme: the five preview entries (1, 5, 9, 17, 22) are the
// colours that the preview pictures store, so an unrecoloured picture and one
// drawn in the default colours look alike.
constexpr ColorList kDefaultColors = {
    detail::Hex(0x8fa9b8), detail::Hex(0xeef9ff), detail::Hex(0xe0eff8), detail::Hex(0xd0e5ef),
    detail::Hex(0xbfdae6), detail::Hex(0xaecedc), detail::Hex(0xa9c9d7), detail::Hex(0xa5c4d2),
    detail::Hex(0xa1c0cf), detail::Hex(0x9dbccc), detail::Hex(0x91afbf), detail::Hex(0x85a2b2),
    detail::Hex(0x7995a5), detail::Hex(0x6d8898), detail::Hex(0x627c8b), detail::Hex(0x5a737f),
    detail::Hex(0x526c7a), detail::Hex(0x4d6776), detail::Hex(0x3a4f5b), detail::Hex(0x6f8ea1),
    detail::Hex(0x7c9bad), detail::Hex(0x88a6b8), detail::Hex(0x95b2c3),
};

inline ColorList ToColorList(const COLORREF* colors)
{
    ColorList list;
    for (size_t i = 0; i < list.size(); ++i)
        list[i] = colors[i];
    return list;
}
