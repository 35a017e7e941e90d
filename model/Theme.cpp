#include "model/Theme.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char kDefaultPaletteText[] =
    "9c9b8ffefeeef5f4e2ebead8e1e0cfd9d7c6d1d0c1cccbbcc2c1b2b8b7a9aeada0a3a296919186807f7575756c6b6a"
    "625c5b5451514b42423d658190829cab8faaba95b2c3";
const char kDefaultTimeSettings[] = "default";

const std::size_t kDigitsPerColor = 6;
const std::size_t kDigitsPerChannel = 2;
const int kMaxChannel = 255;
const int kMaxHue = 359;
const int kMaxPercent = 100;

// A run of palette entries that moves with its anchor.
struct Group {
    std::size_t first;
    std::size_t last;
    std::size_t anchor;
};
const Group kForeground = {0, 18, 9};
const Group kBackground = {19, 22, 22};

const Palette& DefaultPalette()
{
    static const Palette palette = [] {
        Palette parsed = {};
        CTheme::PaletteFromString(kDefaultPaletteText, parsed);
        return parsed;
    }();
    return palette;
}

// Two characters as strtoul reads them in hexadecimal. strtoul accepts a sign
// and turns "-1" into a number far above 255: a piece outside 0..255 reads 0.
int ChannelFromHex(std::string_view piece)
{
    const char text[kDigitsPerChannel + 1] = {piece[0], piece[1], '\0'};
    const unsigned long value = std::strtoul(text, nullptr, 16);
    return value <= static_cast<unsigned long>(kMaxChannel) ? static_cast<int>(value) : 0;
}

void AppendHexByte(std::string& text, ColorRef byte)
{
    static const char kDigits[] = "0123456789abcdef";
    text += kDigits[(byte >> 4) & 0xF];
    text += kDigits[byte & 0xF];
}

// value + delta held to low..high; the sum is formed wide so that no input
// overflows.
int ClampedSum(int value, long long delta, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(value + delta, low, high));
}

void MoveGroup(Palette& palette, const Group& group, int h, int s, int b)
{
    const HsbColor anchor = palette[group.anchor];
    const long long dh = static_cast<long long>(h) - anchor.hue;
    const long long ds = static_cast<long long>(s) - anchor.saturation;
    const long long db = static_cast<long long>(b) - anchor.brightness;
    for (std::size_t i = group.first; i <= group.last; ++i) {
        HsbColor& color = palette[i];
        color.hue = ClampedSum(color.hue, dh, 0, kMaxHue);
        color.saturation = ClampedSum(color.saturation, ds, 0, kMaxPercent);
        color.brightness = ClampedSum(color.brightness, db, 0, kMaxPercent);
    }
}

void FillColors(const Palette& palette, ColorList& colors)
{
    std::transform(palette.begin(), palette.end(), colors.begin(), HsbToColorRef);
}

} // namespace

CTheme::CTheme()
    : m_paletteMain(DefaultPalette())
    , m_paletteShift(DefaultPalette())
    , m_strTimeSettings(kDefaultTimeSettings)
{
}

CTheme::CTheme(std::string theme, std::string name, std::string_view paletteMain,
               std::string_view paletteShift, bool timeActivated, std::string timeSettings,
               bool writeProtected)
    : m_strTheme(std::move(theme))
    , m_strName(std::move(name))
    , m_paletteMain(DefaultPalette())
    , m_paletteShift(DefaultPalette())
    , m_bTimeActivated(timeActivated)
    , m_strTimeSettings(std::move(timeSettings))
    , m_bWriteProtected(writeProtected)
{
    PaletteFromString(paletteMain, m_paletteMain);
    PaletteFromString(paletteShift, m_paletteShift);
}

HsbColor CTheme::GetMainForeground() const
{
    return m_paletteMain[kForeground.anchor];
}

HsbColor CTheme::GetMainBackground() const
{
    return m_paletteMain[kBackground.anchor];
}

HsbColor CTheme::GetShiftForeground() const
{
    return m_paletteShift[kForeground.anchor];
}

HsbColor CTheme::GetShiftBackground() const
{
    return m_paletteShift[kBackground.anchor];
}

void CTheme::SetMainForeground(int h, int s, int b)
{
    MoveGroup(m_paletteMain, kForeground, h, s, b);
}

void CTheme::SetMainBackground(int h, int s, int b)
{
    MoveGroup(m_paletteMain, kBackground, h, s, b);
}

void CTheme::SetShiftForeground(int h, int s, int b)
{
    MoveGroup(m_paletteShift, kForeground, h, s, b);
}

void CTheme::SetShiftBackground(int h, int s, int b)
{
    MoveGroup(m_paletteShift, kBackground, h, s, b);
}

void CTheme::GetMainColors(ColorList& colors) const
{
    FillColors(m_paletteMain, colors);
}

void CTheme::GetShiftColors(ColorList& colors) const
{
    FillColors(m_paletteShift, colors);
}

bool CTheme::PaletteFromString(std::string_view text, Palette& palette)
{
    if (text.size() / kDigitsPerColor != kPaletteSize)
        return false;
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const std::string_view color = text.substr(i * kDigitsPerColor, kDigitsPerColor);
        palette[i] = RgbToHsb(ChannelFromHex(color.substr(0, kDigitsPerChannel)),
                              ChannelFromHex(color.substr(kDigitsPerChannel, kDigitsPerChannel)),
                              ChannelFromHex(color.substr(2 * kDigitsPerChannel)));
    }
    return true;
}

std::string CTheme::PaletteToString(const Palette& palette)
{
    std::string text;
    text.reserve(palette.size() * kDigitsPerColor);
    for (const HsbColor& color : palette) {
        const ColorRef packed = HsbToColorRef(color);
        AppendHexByte(text, packed);
        AppendHexByte(text, packed >> 8);
        AppendHexByte(text, packed >> 16);
    }
    return text;
}
