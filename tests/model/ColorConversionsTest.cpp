// The colour conversions: the documented values, the domain guards, and
// the whole 24-bit cube against a plain reading of the conversion rules.
#include "model/ColorConversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <set>

namespace {

using Hsv = std::array<float, 3>;
using Rgb = std::array<int, 3>;

// The conversions as functions, every output preset to a value none of them gives.
Hsv ToHsv(int r, int g, int b) { Hsv o = {-1, -1, -1}; RgbToHsv(r, g, b, o[0], o[1], o[2]); return o; }
Hsv ToHsv(const HsbColor& in) { Hsv o = {-1, -1, -1}; HsbToHsv(in.hue, in.saturation, in.brightness, o[0], o[1], o[2]); return o; }
Rgb ToRgb(const Hsv& in) { Rgb o = {-999, -999, -999}; HsvToRgb(in[0], in[1], in[2], o[0], o[1], o[2]); return o; }
HsbColor ToHsb(const Hsv& in) { HsbColor o = {-999, -999, -999}; HsvToHsb(in[0], in[1], in[2], o.hue, o.saturation, o.brightness); return o; }

// The rules as written down: every stored result a float, every product and
// quotient a double, every conversion to an integer a plain truncation (the
// inputs here stay in range).
namespace reference {

float F(double x) { return static_cast<float>(x); }
int T(double x) { return static_cast<int>(x); }

Hsv RgbToHsv(int r, int g, int b)
{
    const int max = std::max({r, g, b}), min = std::min({r, g, b});
    const float s = max == 0 ? 0.0f : F(static_cast<double>(max - min) / max);
    if (s == 0.0f)
        return {0.0f, s, F(max / 255.0)};
    const double spread = max - min;
    const float rc = F((max - r) / spread), gc = F((max - g) / spread), bc = F((max - b) / spread);
    const float sum = r == max ? F(static_cast<double>(bc) - gc) : g == max ? F(rc + 2.0 - bc) : F(gc + 4.0 - rc);
    const float h = F(sum / 6.0);
    return {h < 0.0f ? F(h + 1.0) : h, s, F(max / 255.0)};
}

HsbColor HsvToHsb(const Hsv& in) { return {T(in[0] * 360.0), T(in[1] * 100.0), T(in[2] * 100.0)}; }

Hsv HsbToHsv(const HsbColor& in) { return {F(in.hue / 360.0), F(in.saturation / 100.0), F(in.brightness / 100.0)}; }

Rgb HsvToRgb(const Hsv& in)
{
    const double h = in[0], s = in[1], v = in[2];
    if (in[1] == 0.0f)
        return {T(v * 255.0), T(v * 255.0), T(v * 255.0)};
    const double x = h * 6.0, f = x - std::floor(x);
    const double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
    const double table[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const double* rgb = table[T(x)];
    return {T(rgb[0] * 255.0), T(rgb[1] * 255.0), T(rgb[2] * 255.0)};
}

} // namespace reference

// Values worked out by hand, which the reference could share a misreading of.
TEST(ColorConversions, DocumentedValues)
{
    const std::pair<Rgb, Hsv> cases[] = {
        {{255, 0, 0}, {0, 1, 1}}, {{0, 255, 0}, {0.33333334f, 1, 1}}, {{0, 0, 255}, {2.0f / 3, 1, 1}},
        {{0, 0, 0}, {0, 0, 0}},   {{255, 255, 255}, {0, 0, 1}},       {{128, 128, 128}, {0, 0, 0.50196081f}},
        {{255, 255, 0}, {1.0f / 6, 1, 1}},  // a tie takes the red rule
    };
    for (const auto& [rgb, hsv] : cases)
        EXPECT_EQ(ToHsv(rgb[0], rgb[1], rgb[2]), hsv);
    EXPECT_EQ(ToRgb(ToHsv(255, 255, 0)), (Rgb{254, 255, 0}));  // h x 6 just above 1, q truncated
    EXPECT_EQ(RgbToHsb(10, 20, 30), (HsbColor{209, 66, 11}));
    EXPECT_EQ(ToRgb(ToHsv({209, 66, 11})), (Rgb{9, 19, 28}));
    EXPECT_EQ(ToRgb({0.0f, 0.0f, 0.5f}), (Rgb{127, 127, 127}));
}

// Stored as single precision, 0.29 lies just below 0.29: the round trip
// through the working triple loses exactly these units; a hue none up to 46
// and never more than one degree.
TEST(ColorConversions, IntegerRoundTripsLoseExactlyTheDocumentedUnits)
{
    const std::set<int> oneLower = {1,  2,  3,  4,  6,  8,  11, 12, 13, 16, 19, 21, 22, 24, 26, 29, 32, 35, 38, 39,
                                    41, 42, 44, 45, 47, 48, 51, 52, 53, 57, 58, 59, 63, 64, 65, 69, 70, 71, 76, 77,
                                    78, 82, 83, 84, 88, 89, 90, 94, 95, 96};
    for (int percent = 0; percent <= 100; ++percent) {
        const HsbColor back = ToHsb(ToHsv({0, percent, percent}));
        const int expected = percent - static_cast<int>(oneLower.count(percent));
        EXPECT_TRUE(back.saturation == expected && back.brightness == expected) << percent;
    }
    for (int hue = 0; hue < 360; ++hue) {
        const int back = ToHsb(ToHsv({hue, 50, 50})).hue;
        EXPECT_EQ(back, reference::HsvToHsb(reference::HsbToHsv({hue, 50, 50})).hue) << hue;
        EXPECT_TRUE(back == hue || (hue > 46 && back == hue - 1)) << hue;
    }
}

// A stored hue outside one turn is wrapped into it (between -1/6 and 0 a
// fraction has sector 0 with f = x + 1); values far out of range truncate
// without overflow; no output is ever left unwritten.
TEST(ColorConversions, AnyInputGivesDefinedOutputs)
{
    const int hues[][2] = {{360, 0}, {-1, 359}, {INT_MAX, INT_MAX % 360}, {INT_MIN, 360 + INT_MIN % 360}};
    for (const auto& hue : hues)
        EXPECT_EQ(ToHsv({hue[0], 80, 90}), ToHsv({hue[1], 80, 90})) << hue[0];
    EXPECT_EQ(ToRgb({-0.1f, 1.0f, 1.0f}), reference::HsvToRgb({-0.1f, 1.0f, 1.0f}));

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float h : {nan, inf, -inf, 1e30f, -7.0f, -1.0f / 6.0f, 0.99999994f, 1.0f})
        for (float s : {0.5f, nan, inf})
            for (float v : {0.0f, nan, 1e30f}) {
                const Rgb rgb = ToRgb({h, s, v});
                EXPECT_EQ(std::count(rgb.begin(), rgb.end(), -999), 0) << h << ", " << s << ", " << v;
            }
    EXPECT_EQ(ToHsb({1e30f, -1e30f, nan}), (HsbColor{INT_MAX, INT_MIN, 0}));
    EXPECT_EQ(ToRgb({0.0f, 0.0f, 1e30f}), (Rgb{INT_MAX, INT_MAX, INT_MAX}));
}

// Every 24-bit colour through the chain the module uses: stored (RgbToHsv,
// HsvToHsb), then drawn (HsbToHsv, HsvToRgb), each step as the reference
// has it, the stored colour in range.
TEST(ColorConversions, EveryRgbColorMatchesTheReference)
{
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const Hsv hsv = ToHsv(r, g, b);
                const HsbColor hsb = ToHsb(hsv);
                const Hsv drawn = ToHsv(hsb);
                ASSERT_TRUE(hsv == reference::RgbToHsv(r, g, b) && hsb == reference::HsvToHsb(hsv)
                            && drawn == reference::HsbToHsv(hsb) && ToRgb(drawn) == reference::HsvToRgb(drawn)
                            && hsb.hue >= 0 && hsb.hue <= 359 && std::min(hsb.saturation, hsb.brightness) >= 0
                            && std::max(hsb.saturation, hsb.brightness) <= 100)
                    << r << "," << g << "," << b;
            }
}

} // namespace
