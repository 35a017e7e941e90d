// Themes and their colour settings seeded in the registry as the module
// stores them.
#pragma once

#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Registry.h"

#include <cstdio>
#include <string>

namespace qortest {

// A theme's key, or the key of one of its settings.
inline std::string ThemeKey(const std::string& theme, const std::string& setting = "")
{
    return std::string(kThemesKey) + "\\" + theme + (setting.empty() ? "" : "\\" + setting);
}

inline const std::string kLark = ThemeKey("Lark");

// A colour as palettes store it: rrggbb.
inline std::string Hex(COLORREF color)
{
    char rgb[8];
    std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    return rgb;
}

// 19 foreground and 4 background colours (rrggbb), joined as stored or, with
// ",", as the theme library journals them.
inline std::string Palette(const std::string& fore, const std::string& back, const std::string& join = "")
{
    std::string text = fore;
    for (int i = 1; i < 23; ++i)
        text += join + (i < 19 ? fore : back);
    return text;
}

// A colour setting's five values; without time settings (null) the key is no setting.
inline void StoreSetting(const std::string& theme, const std::string& name, const std::string& main,
                         const std::string& shift, DWORD scheduled, const char* times, DWORD writeProtected = 0,
                         HKEY hive = HKEY_CURRENT_USER)
{
    const std::string key = ThemeKey(theme, name);
    SetString(hive, key, "strPaletteMain", main);
    SetString(hive, key, "strPaletteShift", shift);
    SetDword(hive, key, "bTimeActivated", scheduled);
    if (times)
        SetString(hive, key, "strTimeSettings", times);
    SetDword(hive, key, "bWriteProtected", writeProtected);
}

// The theme, in a folder that exists, is the library's active theme, with the given active setting.
inline void UseTheme(const std::string& theme, const char* active)
{
    SetString(HKEY_CURRENT_USER, ThemeKey(theme), "Path", "C:\\windows");
    SetString(HKEY_CURRENT_USER, ThemeKey(theme), "ActiveColorSetting", active);
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", theme);
}

} // namespace qortest
