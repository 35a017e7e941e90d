// The colour setting record: its defaults, the palette text in both
// directions, group moves and colour lists.
#include "model/Theme.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const char kDefaultPaletteText[] =
    "9c9b8ffefeeef5f4e2ebead8e1e0cfd9d7c6d1d0c1cccbbcc2c1b2b8b7a9aeada0a3a296919186807f7575756c6b6a"
    "625c5b5451514b42423d658190829cab8faaba95b2c3";

std::string Repeat(const std::string& color, std::size_t count = kPaletteSize)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += color;
    return text;
}

Palette Filled(HsbColor color)
{
    Palette palette;
    palette.fill(color);
    return palette;
}

TEST(Theme, DefaultRecord)
{
    const CTheme theme;
    EXPECT_EQ(theme.GetThemeName(), "");
    EXPECT_EQ(theme.GetName(), "");
    EXPECT_EQ(theme.GetTimeSettings(), "default");
    EXPECT_FALSE(theme.m_bTimeActivated);
    EXPECT_FALSE(theme.m_bWriteProtected);
    EXPECT_EQ(theme.m_paletteMain, theme.m_paletteShift);

    EXPECT_EQ(theme.GetMainForeground(), (HsbColor{56, 8, 72}));
    EXPECT_EQ(theme.GetMainBackground(), (HsbColor{202, 23, 76}));
    EXPECT_EQ(theme.GetShiftForeground(), (HsbColor{56, 8, 72}));
    EXPECT_EQ(theme.GetShiftBackground(), (HsbColor{202, 23, 76}));
    EXPECT_EQ(theme.m_paletteMain[0], (HsbColor{55, 8, 61}));
    EXPECT_EQ(theme.m_paletteMain[19], (HsbColor{200, 29, 56}));
    // Greys of 6 to 8 percent saturation, hues 52 to 60; brightness falls
    // from 99 to 25 over entries 1 to 18.
    for (std::size_t i = 0; i <= 18; ++i) {
        const HsbColor& color = theme.m_paletteMain[i];
        EXPECT_TRUE(color.hue >= 52 && color.hue <= 60 && color.saturation >= 6
                    && color.saturation <= 8)
            << i;
        if (i >= 2) {
            EXPECT_LE(color.brightness, theme.m_paletteMain[i - 1].brightness) << i;
        }
    }
    EXPECT_EQ(theme.m_paletteMain[1].brightness, 99);
    EXPECT_EQ(theme.m_paletteMain[18].brightness, 25);

    // Every save writes the converted text: entry 0 "9c9b8f" comes back as 9b9a8f.
    const std::string text = theme.GetPaletteMainString();
    ASSERT_EQ(text.size(), 138u);
    EXPECT_EQ(text.substr(0, 6), "9b9a8f");
    EXPECT_EQ(text.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(theme.GetPaletteShiftString(), text);

    ColorList colors = {};
    theme.GetMainColors(colors);
    const auto* bytes = reinterpret_cast<const unsigned char*>(colors.data());
    EXPECT_EQ(bytes[0], 0x9b);
    EXPECT_EQ(bytes[1], 0x9a);
    EXPECT_EQ(bytes[2], 0x8f);
    EXPECT_EQ(bytes[3], 0x00);
}

TEST(Theme, BuiltFromStoredValues)
{
    const std::string white = Repeat("ffffff");
    const CTheme theme("Lark", "Dawn", white, kDefaultPaletteText, true, "Day;08:00;18:00", true);
    EXPECT_EQ(theme.GetThemeName(), "Lark");
    EXPECT_EQ(theme.GetName(), "Dawn");
    EXPECT_EQ(theme.GetTimeSettings(), "Day;08:00;18:00");
    EXPECT_TRUE(theme.m_bTimeActivated);
    EXPECT_TRUE(theme.m_bWriteProtected);
    EXPECT_EQ(theme.m_paletteMain, Filled({0, 0, 100}));
    EXPECT_EQ(theme.GetPaletteMainString(), white);
    EXPECT_EQ(theme.m_paletteShift, CTheme().m_paletteShift);

    CTheme copy;
    copy.Copy(theme);
    EXPECT_EQ(copy.GetThemeName(), "Lark");
    EXPECT_EQ(copy.GetName(), "Dawn");
    EXPECT_EQ(copy.GetTimeSettings(), "Day;08:00;18:00");
    EXPECT_TRUE(copy.m_bTimeActivated && copy.m_bWriteProtected);
    EXPECT_EQ(copy.m_paletteMain, theme.m_paletteMain);
    EXPECT_EQ(copy.m_paletteShift, theme.m_paletteShift);
}

TEST(Theme, PaletteTextLength)
{
    const std::string black = Repeat("000000");
    struct Case {
        std::size_t length;
        bool parsed;
    };
    // Length divided by six, rounded down, must be 23.
    const Case cases[] = {{137, false}, {138, true}, {140, true}, {143, true}, {144, false},
                          {0, false},   {6, false}};
    for (const Case& c : cases) {
        std::string text = black.substr(0, std::min(c.length, black.size()));
        text.resize(c.length, 'f');
        Palette palette = Filled({1, 2, 3});
        EXPECT_EQ(CTheme::PaletteFromString(text, palette), c.parsed) << c.length;
        EXPECT_EQ(palette, c.parsed ? Filled({0, 0, 0}) : Filled({1, 2, 3})) << c.length;

        // A record built from such a text keeps the default palette for it.
        const CTheme theme("t", "n", text, black, false, "default", false);
        EXPECT_EQ(theme.m_paletteMain, c.parsed ? Filled({0, 0, 0}) : CTheme().m_paletteMain)
            << c.length;
        EXPECT_EQ(theme.m_paletteShift, Filled({0, 0, 0}));
    }
}

TEST(Theme, PaletteTextPiecesReadLikeStrtoul)
{
    struct Case {
        const char* color;
        int r, g, b;
    };
    const Case cases[] = {
        {"zzzzzz", 0, 0, 0},       // no digit at all
        {"1zz1AB", 1, 0, 0xab},    // reading stops at the first non-digit; upper case is hex
        {"0x0X0f", 0, 0, 0xf},     // a "0x" prefix without digits is just 0
        {" f\tf\n1", 0xf, 0xf, 1}, // leading white space is skipped
        {"-1-f-0", 0, 0, 0},       // a sign would wrap around far above 255
        {"+f+1ff", 0, 0, 0xff},    // any piece read with a sign is 0
        {"f-f+0-", 0xf, 0xf, 0},   // a sign after the digit is not read
    };
    for (const Case& c : cases) {
        Palette palette = {};
        ASSERT_TRUE(CTheme::PaletteFromString(Repeat(c.color), palette)) << c.color;
        for (const HsbColor& color : palette)
            EXPECT_EQ(color, RgbToHsb(c.r, c.g, c.b)) << c.color;
    }

    // Embedded zeros count as characters of the text and read as 0.
    std::string withZeros = Repeat("ffffff");
    withZeros[0] = '\0';
    withZeros[4] = '\0';
    Palette palette = {};
    ASSERT_TRUE(CTheme::PaletteFromString(withZeros, palette));
    EXPECT_EQ(palette[0], RgbToHsb(0, 0xff, 0));
    EXPECT_EQ(palette[1], (HsbColor{0, 0, 100}));
}

TEST(Theme, PaletteToStringWritesLowerCaseRgbOfEveryEntry)
{
    Palette palette = Filled({0, 0, 0});
    palette[0] = {0, 0, 100};
    palette[1] = {0, 100, 100};
    palette[22] = {240, 100, 100};
    const std::string text = CTheme::PaletteToString(palette);
    ASSERT_EQ(text.size(), 138u);
    EXPECT_EQ(text.substr(0, 12), "ffffffff0000");
    EXPECT_EQ(text.substr(132), "0000ff");
    EXPECT_EQ(text.substr(12, 120), Repeat("000000", 20));
}

TEST(Theme, ForegroundMoveKeepsDistancesAndClampsAtTheEnds)
{
    CTheme theme;
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        theme.m_paletteMain[i] = {320 + static_cast<int>(i), static_cast<int>(i) * 2,
                                  90 + static_cast<int>(i) / 2};
    const Palette before = theme.m_paletteMain;
    const Palette shiftBefore = theme.m_paletteShift;
    const HsbColor anchor = theme.GetMainForeground();  // (329, 18, 94)

    theme.SetMainForeground(anchor.hue + 30, anchor.saturation - 10, anchor.brightness + 5);
    for (std::size_t i = 0; i <= 18; ++i) {
        const HsbColor& color = theme.m_paletteMain[i];
        EXPECT_EQ(color.hue, std::min(before[i].hue + 30, 359)) << i;
        EXPECT_EQ(color.saturation, std::max(before[i].saturation - 10, 0)) << i;
        EXPECT_EQ(color.brightness, std::min(before[i].brightness + 5, 100)) << i;
    }
    for (std::size_t i = 19; i < kPaletteSize; ++i)
        EXPECT_EQ(theme.m_paletteMain[i], before[i]) << i;
    EXPECT_EQ(theme.m_paletteShift, shiftBefore);

    // The differences measured from the moved anchor: clamped entries have
    // lost their distance for good.
    theme.SetMainForeground(0, 0, 0);
    EXPECT_EQ(theme.GetMainForeground(), (HsbColor{0, 0, 0}));
    EXPECT_EQ(theme.m_paletteMain[18], (HsbColor{0, 18, 1}));
}

TEST(Theme, EachMoveChangesOnlyItsGroupOfItsPalette)
{
    using Move = void (CTheme::*)(int, int, int);
    struct Case {
        Move move;
        bool shift;
        std::size_t first, last;
        HsbColor (CTheme::*anchor)() const;
    };
    const Case cases[] = {
        {&CTheme::SetMainForeground, false, 0, 18, &CTheme::GetMainForeground},
        {&CTheme::SetMainBackground, false, 19, 22, &CTheme::GetMainBackground},
        {&CTheme::SetShiftForeground, true, 0, 18, &CTheme::GetShiftForeground},
        {&CTheme::SetShiftBackground, true, 19, 22, &CTheme::GetShiftBackground},
    };
    for (const Case& c : cases) {
        CTheme theme;
        const CTheme before;
        (theme.*c.move)(100, 50, 50);
        EXPECT_EQ((theme.*c.anchor)(), (HsbColor{100, 50, 50}));
        const Palette& moved = c.shift ? theme.m_paletteShift : theme.m_paletteMain;
        const Palette& other = c.shift ? theme.m_paletteMain : theme.m_paletteShift;
        EXPECT_EQ(other, before.m_paletteMain);
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            EXPECT_EQ(moved[i] != before.m_paletteMain[i], i >= c.first && i <= c.last) << i;

        ColorList main = {}, shift = {};
        theme.GetMainColors(main);
        theme.GetShiftColors(shift);
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            EXPECT_EQ(main[i] != shift[i], i >= c.first && i <= c.last) << i;
    }
}

TEST(Theme, ExtremeMovesStayInRange)
{
    CTheme theme;
    theme.SetMainForeground(INT_MAX, INT_MIN, INT_MAX);
    theme.SetMainBackground(INT_MIN, INT_MAX, INT_MIN);
    for (std::size_t i = 0; i <= 18; ++i)
        EXPECT_EQ(theme.m_paletteMain[i], (HsbColor{359, 0, 100})) << i;
    for (std::size_t i = 19; i < kPaletteSize; ++i)
        EXPECT_EQ(theme.m_paletteMain[i], (HsbColor{0, 100, 0})) << i;

    // Entries edited outside their range are brought back by the next move.
    theme.m_paletteShift[0] = {INT_MIN, INT_MAX, -5};
    theme.SetShiftForeground(theme.GetShiftForeground().hue, theme.GetShiftForeground().saturation,
                             theme.GetShiftForeground().brightness);
    EXPECT_EQ(theme.m_paletteShift[0], (HsbColor{0, 100, 0}));
}

} // namespace
