// One colour setting of a visual theme: a named pair of palettes (main and
// shift) with its day schedule. Pure code: it builds natively too.
//
// A palette holds 23 colours: the foreground group, entries 0 to 18, is
// edited through its anchor, entry 9; the background group, entries 19 to 22,
// through entry 22. Stored as text, a palette is 23 times six lowercase
// hexadecimal digits (red, green, blue): 138 characters.
#pragma once

#include "model/ColorConversions.h"
#include "model/HsbColor.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kPaletteSize = 23;
using Palette = std::array<HsbColor, kPaletteSize>;
// What the theme library takes: a colour reference per palette entry.
using ColorList = std::array<ColorRef, kPaletteSize>;

class CTheme {
public:
    // Empty names, the default palette in both palettes, the schedule off with
    // time settings "default", not write-protected.
    CTheme();
    // A palette text that cannot be parsed (wrong length) leaves the default
    // palette in its place.
    CTheme(std::string theme, std::string name, std::string_view paletteMain,
           std::string_view paletteShift, bool timeActivated, std::string timeSettings,
           bool writeProtected);

    // Copies every field, both names included.
    void Copy(const CTheme& other) { *this = other; }

    std::string GetThemeName() const { return m_strTheme; }
    std::string GetName() const { return m_strName; }
    std::string GetTimeSettings() const { return m_strTimeSettings; }

    // The anchors of the two groups.
    HsbColor GetMainForeground() const;
    HsbColor GetMainBackground() const;
    HsbColor GetShiftForeground() const;
    HsbColor GetShiftBackground() const;
    // Move a whole group so that its anchor becomes (h, s, b); every entry
    // moves by the same amounts and is clamped to hue 0..359 and saturation
    // and brightness 0..100.
    void SetMainForeground(int h, int s, int b);
    void SetMainBackground(int h, int s, int b);
    void SetShiftForeground(int h, int s, int b);
    void SetShiftBackground(int h, int s, int b);

    std::string GetPaletteMainString() const { return PaletteToString(m_paletteMain); }
    std::string GetPaletteShiftString() const { return PaletteToString(m_paletteShift); }
    void GetMainColors(ColorList& colors) const;
    void GetShiftColors(ColorList& colors) const;

    // Parses a palette text into palette. A text whose length divided by six
    // is not 23 leaves palette unchanged and answers false; characters after
    // the 138th are ignored. Each channel is two characters read by strtoul
    // as hexadecimal, so reading stops at the first character that is not a
    // hexadecimal digit ("zz" is 0, "+f" is 15); a piece that would leave
    // 0..255 ("-1") is 0.
    static bool PaletteFromString(std::string_view text, Palette& palette);
    static std::string PaletteToString(const Palette& palette);

    std::string m_strTheme;
    std::string m_strName;
    Palette m_paletteMain;
    Palette m_paletteShift;
    bool m_bTimeActivated = false;
    std::string m_strTimeSettings;
    bool m_bWriteProtected = false;
};
