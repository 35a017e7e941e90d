// Conversions between the stored colour (HsbColor), the working triple of
// single-precision fractions (h, s, v) and 8-bit red, green and blue.
// Intermediates are double precision, stored results single precision, and
// every float-to-integer step truncates: stored palettes depend on it.
#pragma once

#include "model/HsbColor.h"

#include <cstdint>

// A Windows colour reference: red in the low byte, then green, then blue.
using ColorRef = std::uint32_t;

void HsvToRgb(float h, float s, float v, int& r, int& g, int& b);
void RgbToHsv(int r, int g, int b, float& h, float& s, float& v);
void HsbToHsv(int hue, int saturation, int brightness, float& h, float& s, float& v);
void HsvToHsb(float h, float s, float v, int& hue, int& saturation, int& brightness);

// The low 8 bits of each channel, packed.
inline ColorRef PackColorRef(int r, int g, int b)
{
    return (static_cast<ColorRef>(r) & 0xFFu) | ((static_cast<ColorRef>(g) & 0xFFu) << 8)
           | ((static_cast<ColorRef>(b) & 0xFFu) << 16);
}

// How a stored colour is drawn: HsbToHsv, then HsvToRgb, packed.
ColorRef HsbToColorRef(const HsbColor& color);
// How a colour read as red, green and blue is stored: RgbToHsv, then HsvToHsb.
HsbColor RgbToHsb(int r, int g, int b);
