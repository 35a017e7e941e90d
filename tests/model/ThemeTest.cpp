// The colour setting record: the palette text in both directions, group
// moves and colour lists.
#include "model/Theme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace {

std::string EveryEntry(const std::string& color)
{
    std::string text;
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        text += color;
    return text;
}

Palette Filled(HsbColor color) { Palette palette; palette.fill(color); return palette; }

// Length divided by six, rounded down, must be 23; a record built from a
// text that fails keeps the default palette for it.
TEST(Theme, PaletteTextOfTheWrongLengthIsIgnored)
{
    const std::string black = EveryEntry("000000");
    for (std::size_t length : {137, 138, 143, 144}) {
        const std::string text = (black + "ffffff").substr(0, length);
        const bool parsed = length / 6 == kPaletteSize;
        Palette palette = Filled({1, 2, 3});
        EXPECT_EQ(CTheme::PaletteFromString(text, palette), parsed) << length;
        EXPECT_EQ(palette, parsed ? Filled({0, 0, 0}) : Filled({1, 2, 3})) << length;
        const CTheme theme("t", "n", text, black, false, "default", false);
        EXPECT_EQ(theme.m_paletteMain, parsed ? Filled({0, 0, 0}) : CTheme().m_paletteMain) << length;
    }
}

// Both directions truncate, so the default entry 0 "9c9b8f" is written back
// as 9b9a8f.
TEST(Theme, PaletteTextPiecesReadLikeStrtoulButNeverOutOfRange)
{
    const struct { const char* color; int r, g, b; } cases[] = {
        {"1zz1AB", 1, 0, 0xab},    // reading stops at the first non-digit; upper case is hex
        {"-1-f-0", 0, 0, 0},       // a minus sign would wrap around far above 255
        {"+f+1ff", 15, 1, 0xff},   // a plus sign reads the number
        {"ffffff", 255, 255, 255}, // white, (0, 0, 100)
    };
    for (const auto& c : cases) {
        Palette palette = {};
        ASSERT_TRUE(CTheme::PaletteFromString(EveryEntry(c.color), palette)) << c.color;
        EXPECT_EQ(palette, Filled(RgbToHsb(c.r, c.g, c.b))) << c.color;
    }
    EXPECT_EQ(CTheme::PaletteToString(Filled({0, 0, 100})), EveryEntry("ffffff"));
    EXPECT_EQ(CTheme().GetPaletteMainString().substr(0, 6), "9b9a8f");
}

// A group moves by its anchor's differences, clamped (not wrapped) at the
// ends of the ranges, also for moves and entries far out of range; the other
// group and the other palette stay as they were.
TEST(Theme, GroupMovesClampAtTheEndsAndTouchNothingElse)
{
    CTheme theme;
    for (int i = 0; i < static_cast<int>(kPaletteSize); ++i)
        theme.m_paletteMain[static_cast<std::size_t>(i)] = {320 + i, i * 2, 90 + i / 2};
    const Palette before = theme.m_paletteMain;
    theme.SetMainForeground(329 + 30, 18 - 10, 94 + 5);  // the anchor is (329, 18, 94)
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const HsbColor moved = {std::min(before[i].hue + 30, 359), std::max(before[i].saturation - 10, 0),
                                std::min(before[i].brightness + 5, 100)};
        EXPECT_EQ(theme.m_paletteMain[i], i <= 18 ? moved : before[i]) << i;
    }
    theme.SetMainForeground(0, 0, 0);
    EXPECT_EQ(theme.m_paletteMain[18], (HsbColor{0, 18, 1})) << "clamped entries lost their distance";
    theme.SetMainForeground(INT_MAX, INT_MIN, INT_MAX);
    theme.SetMainBackground(INT_MIN, INT_MAX, INT_MIN);
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        EXPECT_EQ(theme.m_paletteMain[i], (i <= 18 ? HsbColor{359, 0, 100} : HsbColor{0, 100, 0})) << i;

    CTheme background;
    background.SetShiftBackground(100, 50, 50);
    EXPECT_EQ(background.GetShiftBackground(), (HsbColor{100, 50, 50}));
    ColorList main = {}, shift = {};
    background.GetMainColors(main);
    background.GetShiftColors(shift);
    EXPECT_EQ(main[0], 0x008f9a9bu) << "the bytes 9b 9a 8f 00";
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        EXPECT_EQ(main[i] != shift[i], i >= 19) << i;
}

} // namespace
