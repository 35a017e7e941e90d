#include "model/ColorConversions.h"

#include <climits>
#include <cmath>

namespace {

const int kHueDegrees = 360;

// Truncation toward zero that stays defined for any input: values beyond the
// int range saturate, NaN gives 0. In range it is the plain conversion.
int Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int Channel(double fraction)
{
    return Truncate(fraction * 255.0);
}

// A hue fraction outside [0, 1) has no sector; it is taken modulo one turn.
float WrapHueFraction(float h)
{
    if (!std::isfinite(h))
        return 0.0f;
    if (h >= 0.0f && h < 1.0f)
        return h;
    const float wrapped = static_cast<float>(h - std::floor(static_cast<double>(h)));
    return wrapped < 1.0f ? wrapped : 0.0f;
}

int WrapHueDegrees(int hue)
{
    return ((hue % kHueDegrees) + kHueDegrees) % kHueDegrees;
}

} // namespace

void HsvToRgb(float h, float s, float v, int& r, int& g, int& b)
{
    if (s == 0.0f) {
        r = g = b = Channel(v);
        return;
    }
    // A fraction between -1/6 and 0 still lands in sector 0; only what has no
    // sector at all is wrapped.
    double x = h * 6.0;
    if (!(x > -1.0 && x < 6.0))
        x = WrapHueFraction(h) * 6.0;
    const double f = x - std::floor(x);
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    switch (static_cast<int>(x)) {
    case 0: r = Channel(v); g = Channel(t); b = Channel(p); break;
    case 1: r = Channel(q); g = Channel(v); b = Channel(p); break;
    case 2: r = Channel(p); g = Channel(v); b = Channel(t); break;
    case 3: r = Channel(p); g = Channel(q); b = Channel(v); break;
    case 4: r = Channel(t); g = Channel(p); b = Channel(v); break;
    default: r = Channel(v); g = Channel(p); b = Channel(q); break;
    }
}

void RgbToHsv(int r, int g, int b, float& h, float& s, float& v)
{
    const int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    v = static_cast<float>(max / 255.0);
    s = max != 0 ? static_cast<float>((static_cast<double>(max) - min) / max) : 0.0f;
    if (s == 0.0f) {
        h = 0.0f;
        return;
    }
    const double range = static_cast<double>(max) - min;
    const float rc = static_cast<float>((static_cast<double>(max) - r) / range);
    const float gc = static_cast<float>((static_cast<double>(max) - g) / range);
    const float bc = static_cast<float>((static_cast<double>(max) - b) / range);
    if (r == max)
        h = static_cast<float>(static_cast<double>(bc) - gc);
    else if (g == max)
        h = static_cast<float>(rc + 2.0 - bc);
    else
        h = static_cast<float>(gc + 4.0 - rc);
    h = static_cast<float>(h / 6.0);
    if (h < 0.0f)
        h = static_cast<float>(h + 1.0);
}

void HsbToHsv(int hue, int saturation, int brightness, float& h, float& s, float& v)
{
    h = static_cast<float>(WrapHueDegrees(hue) / 360.0);
    s = static_cast<float>(saturation / 100.0);
    v = static_cast<float>(brightness / 100.0);
}

void HsvToHsb(float h, float s, float v, int& hue, int& saturation, int& brightness)
{
    hue = Truncate(h * 360.0);
    saturation = Truncate(s * 100.0);
    brightness = Truncate(v * 100.0);
}

ColorRef HsbToColorRef(const HsbColor& color)
{
    float h = 0, s = 0, v = 0;
    HsbToHsv(color.hue, color.saturation, color.brightness, h, s, v);
    int r = 0, g = 0, b = 0;
    HsvToRgb(h, s, v, r, g, b);
    return PackColorRef(r, g, b);
}

HsbColor RgbToHsb(int r, int g, int b)
{
    float h = 0, s = 0, v = 0;
    RgbToHsv(r, g, b, h, s, v);
    HsbColor color = {};
    HsvToHsb(h, s, v, color.hue, color.saturation, color.brightness);
    return color;
}
