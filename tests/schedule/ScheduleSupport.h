// The schedule's tests under Wine: the scheduled setting in the registry and
// its colours as the theme library journals them.
#pragma once

#include "model/Theme.h"
#include "tests/schedule/ScheduleCases.h"
#include "tests/support/Messages.h"
#include "tests/support/Registry.h"

#include <cstdio>
#include <string>

namespace scheduletest {

// Red turning blue, with a white entry turning black at the end: colours
// that come back exactly from their stored form.
inline const ColorList kRed = Uniform(PackColorRef(255, 0, 0), PackColorRef(255, 255, 255));
inline const ColorList kBlue = Uniform(PackColorRef(0, 0, 255), PackColorRef(0, 0, 0));

// The colours as rrggbb, joined: how palettes are stored and how the theme
// library journals them.
inline std::string Hex(const ColorList& colors, const char* join)
{
    std::string text;
    for (ColorRef color : colors) {
        char rgb[8];
        std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
        text += (text.empty() ? "" : join) + std::string(rgb);
    }
    return text;
}

// Stores Lark's colour setting Evening as the scheduled one.
inline void StoreScheduledSetting(const ColorList& mainColors, const ColorList& shiftColors,
                                  const std::string& timeSettings, DWORD scheduled)
{
    using namespace qortest;
    const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", Hex(mainColors, ""));
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", Hex(shiftColors, ""));
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", timeSettings);
}

} // namespace scheduletest
