// The colour conversions: the documented values, the domain guards, and
// exhaustive sweeps against a plain reading of the conversion rules.
#include "color/ColorConversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>

namespace {

struct Hsv {
    float h, s, v;
};
struct Rgb {
    int r, g, b;
};

Hsv ToHsv(int r, int g, int b)
{
    Hsv hsv = {-1, -1, -1};
    RgbToHsv(r, g, b, hsv.h, hsv.s, hsv.v);
    return hsv;
}

Rgb ToRgb(float h, float s, float v)
{
    Rgb rgb = {-999, -999, -999};
    HsvToRgb(h, s, v, rgb.r, rgb.g, rgb.b);
    return rgb;
}

HsbColor ToHsb(float h, float s, float v)
{
    HsbColor hsb = {-999, -999, -999};
    HsvToHsb(h, s, v, hsb.hue, hsb.saturation, hsb.brightness);
    return hsb;
}

Hsv FromHsb(int hue, int saturation, int brightness)
{
    Hsv hsv = {-1, -1, -1};
    HsbToHsv(hue, saturation, brightness, hsv.h, hsv.s, hsv.v);
    return hsv;
}

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

bool operator==(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// The rules as written down, one step per line: every stored result is a
// float, every product and quotient a double, every conversion to an integer
// a plain truncation (the inputs of the sweeps stay in range).
namespace reference {

Hsv RgbToHsv(int r, int g, int b)
{
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    Hsv out = {};
    out.v = static_cast<float>(static_cast<double>(max) / 255.0);
    out.s = max == 0 ? 0.0f : static_cast<float>(static_cast<double>(max - min) / max);
    if (out.s == 0.0f)
        return out;
    const double spread = max - min;
    const float rc = static_cast<float>((max - r) / spread);
    const float gc = static_cast<float>((max - g) / spread);
    const float bc = static_cast<float>((max - b) / spread);
    float h;
    if (r == max)
        h = static_cast<float>(static_cast<double>(bc) - static_cast<double>(gc));
    else if (g == max)
        h = static_cast<float>(static_cast<double>(rc) + 2.0 - static_cast<double>(bc));
    else
        h = static_cast<float>(static_cast<double>(gc) + 4.0 - static_cast<double>(rc));
    h = static_cast<float>(static_cast<double>(h) / 6.0);
    if (h < 0.0f)
        h = static_cast<float>(static_cast<double>(h) + 1.0);
    out.h = h;
    return out;
}

HsbColor HsvToHsb(Hsv in)
{
    return {static_cast<int>(static_cast<double>(in.h) * 360.0),
            static_cast<int>(static_cast<double>(in.s) * 100.0),
            static_cast<int>(static_cast<double>(in.v) * 100.0)};
}

Hsv HsbToHsv(HsbColor in)
{
    return {static_cast<float>(in.hue / 360.0), static_cast<float>(in.saturation / 100.0),
            static_cast<float>(in.brightness / 100.0)};
}

Rgb HsvToRgb(Hsv in)
{
    const double h = in.h, s = in.s, v = in.v;
    if (in.s == 0.0f) {
        const int grey = static_cast<int>(v * 255.0);
        return {grey, grey, grey};
    }
    const double x = h * 6.0;
    const double f = x - std::floor(x);
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    const double table[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const int i = static_cast<int>(x);
    return {static_cast<int>(table[i][0] * 255.0), static_cast<int>(table[i][1] * 255.0),
            static_cast<int>(table[i][2] * 255.0)};
}

} // namespace reference

TEST(ColorConversions, DocumentedValues)
{
    struct Case {
        Rgb rgb;
        Hsv hsv;
    };
    const Case cases[] = {
        {{255, 0, 0}, {0.0f, 1.0f, 1.0f}},
        {{0, 255, 0}, {0.33333334f, 1.0f, 1.0f}},
        {{0, 0, 255}, {static_cast<float>(2.0 / 3.0), 1.0f, 1.0f}},
        {{0, 0, 0}, {0.0f, 0.0f, 0.0f}},
        {{255, 255, 255}, {0.0f, 0.0f, 1.0f}},
        {{128, 128, 128}, {0.0f, 0.0f, 0.50196081f}},
        // A tie of red and green takes the red rule.
        {{255, 255, 0}, {static_cast<float>(1.0 / 6.0), 1.0f, 1.0f}},
    };
    for (const Case& c : cases) {
        const Hsv hsv = ToHsv(c.rgb.r, c.rgb.g, c.rgb.b);
        EXPECT_TRUE(SameBits(hsv.h, c.hsv.h) && SameBits(hsv.s, c.hsv.s) && SameBits(hsv.v, c.hsv.v))
            << c.rgb << " gave " << hsv.h << ", " << hsv.s << ", " << hsv.v;
    }

    // h x 6 lies just above 1 and q is truncated.
    const Hsv yellow = ToHsv(255, 255, 0);
    EXPECT_EQ(ToRgb(yellow.h, yellow.s, yellow.v), (Rgb{254, 255, 0}));

    const HsbColor stored = RgbToHsb(10, 20, 30);
    EXPECT_EQ(stored, (HsbColor{209, 66, 11}));
    const Hsv back = FromHsb(stored.hue, stored.saturation, stored.brightness);
    EXPECT_EQ(ToRgb(back.h, back.s, back.v), (Rgb{9, 19, 28}));
    EXPECT_EQ(HsbToColorRef(stored), ColorRef{9 | 19 << 8 | 28 << 16});

    EXPECT_EQ(ToRgb(0.0f, 0.0f, 0.5f), (Rgb{127, 127, 127}));
}

TEST(ColorConversions, PercentRoundTripLosesExactlyTheDocumentedValues)
{
    const std::set<int> oneLower = {1,  2,  3,  4,  6,  8,  11, 12, 13, 16, 19, 21, 22,
                                    24, 26, 29, 32, 35, 38, 39, 41, 42, 44, 45, 47, 48,
                                    51, 52, 53, 57, 58, 59, 63, 64, 65, 69, 70, 71, 76,
                                    77, 78, 82, 83, 84, 88, 89, 90, 94, 95, 96};
    for (int percent = 0; percent <= 100; ++percent) {
        const int expected = oneLower.count(percent) ? percent - 1 : percent;
        const Hsv hsv = FromHsb(0, percent, percent);
        const HsbColor back = ToHsb(hsv.h, hsv.s, hsv.v);
        EXPECT_EQ(back.saturation, expected) << percent;
        EXPECT_EQ(back.brightness, expected) << percent;
    }
}

TEST(ColorConversions, HueRoundTripIsExactUpTo46AndNeverMoreThanOneDegreeOff)
{
    for (int hue = 0; hue < 360; ++hue) {
        const Hsv hsv = FromHsb(hue, 50, 50);
        ASSERT_GE(hsv.h, 0.0f);
        ASSERT_LT(hsv.h, 1.0f);
        const int back = ToHsb(hsv.h, hsv.s, hsv.v).hue;
        if (hue <= 46)
            EXPECT_EQ(back, hue);
        else
            EXPECT_TRUE(back == hue || back == hue - 1) << hue << " came back as " << back;
        EXPECT_EQ(back, reference::HsvToHsb(reference::HsbToHsv({hue, 50, 50})).hue);
    }
    EXPECT_EQ(ToHsb(FromHsb(47, 0, 0).h, 0, 0).hue, 46);
}

TEST(ColorConversions, HueOutsideOneTurnIsWrappedIntoIt)
{
    struct Case {
        int hue;
        int same;
    };
    const Case cases[] = {{360, 0}, {361, 1}, {725, 5}, {-1, 359}, {-360, 0}, {INT_MAX, INT_MAX % 360},
                          {INT_MIN, 360 + INT_MIN % 360}};
    for (const Case& c : cases) {
        const Hsv wrapped = FromHsb(c.hue, 80, 90);
        const Hsv same = FromHsb(c.same, 80, 90);
        EXPECT_TRUE(SameBits(wrapped.h, same.h)) << c.hue;
        EXPECT_EQ(HsbToColorRef({c.hue, 80, 90}), HsbToColorRef({c.same, 80, 90})) << c.hue;
    }
}

TEST(ColorConversions, HsvToRgbWritesEveryOutputForAnyInput)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Fractions of a full turn at or beyond 1, or at -1/6 and below, have no
    // sector of their own: they are taken modulo one turn.
    EXPECT_EQ(ToRgb(1.0f, 1.0f, 1.0f), ToRgb(0.0f, 1.0f, 1.0f));
    EXPECT_EQ(ToRgb(1.5f, 1.0f, 1.0f), ToRgb(0.5f, 1.0f, 1.0f));
    EXPECT_EQ(ToRgb(-0.5f, 1.0f, 1.0f), ToRgb(0.5f, 1.0f, 1.0f));
    EXPECT_EQ(ToRgb(-0.25f, 1.0f, 1.0f), ToRgb(0.75f, 1.0f, 1.0f));
    // Between -1/6 and 0 the sector is 0 with f = x + 1.
    EXPECT_EQ(ToRgb(-0.1f, 1.0f, 1.0f), reference::HsvToRgb({-0.1f, 1.0f, 1.0f}));

    const float odd[] = {nan, inf, -inf, 1e30f, -1e30f, 7.0f, -7.0f, -1.0f / 6.0f, 0.99999994f};
    for (float h : odd)
        for (float s : {0.5f, 1.0f, nan, inf})
            for (float v : {0.0f, 1.0f, nan, 1e30f}) {
                const Rgb rgb = ToRgb(h, s, v);
                EXPECT_TRUE(rgb.r != -999 && rgb.g != -999 && rgb.b != -999)
                    << h << ", " << s << ", " << v;
            }
}

TEST(ColorConversions, OutOfRangeFloatsTruncateWithoutOverflow)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ToHsb(1e30f, -1e30f, nan), (HsbColor{INT_MAX, INT_MIN, 0}));
    EXPECT_EQ(ToRgb(0.0f, 0.0f, 1e30f), (Rgb{INT_MAX, INT_MAX, INT_MAX}));
    // Out-of-range inputs pass through unchecked where they stay representable.
    EXPECT_EQ(ToHsb(2.0f, -0.5f, 1.5f), (HsbColor{720, -50, 150}));
    EXPECT_EQ(ToRgb(0.0f, 0.0f, 2.0f), (Rgb{510, 510, 510}));
}

// Every 24-bit colour through the four conversions as the module chains
// them: read as RGB and stored (RgbToHsv, HsvToHsb), then drawn (HsbToHsv,
// HsvToRgb). Each step must match the reference bit for bit, the stored
// colour must lie in range, and drawing it must land near the original.
TEST(ColorConversions, EveryRgbColorMatchesTheReference)
{
    int worstDrift = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const Hsv hsv = ToHsv(r, g, b);
                const Hsv expectedHsv = reference::RgbToHsv(r, g, b);
                ASSERT_TRUE(SameBits(hsv.h, expectedHsv.h) && SameBits(hsv.s, expectedHsv.s)
                            && SameBits(hsv.v, expectedHsv.v))
                    << Rgb{r, g, b};

                const HsbColor hsb = ToHsb(hsv.h, hsv.s, hsv.v);
                ASSERT_EQ(hsb, reference::HsvToHsb(expectedHsv)) << Rgb{r, g, b};
                ASSERT_TRUE(hsb.hue >= 0 && hsb.hue <= 359 && hsb.saturation >= 0
                            && hsb.saturation <= 100 && hsb.brightness >= 0 && hsb.brightness <= 100)
                    << Rgb{r, g, b};

                const Hsv drawn = FromHsb(hsb.hue, hsb.saturation, hsb.brightness);
                const Hsv expectedDrawn = reference::HsbToHsv(hsb);
                ASSERT_TRUE(SameBits(drawn.h, expectedDrawn.h) && SameBits(drawn.s, expectedDrawn.s)
                            && SameBits(drawn.v, expectedDrawn.v))
                    << Rgb{r, g, b};

                const Rgb rgb = ToRgb(drawn.h, drawn.s, drawn.v);
                ASSERT_EQ(rgb, reference::HsvToRgb(expectedDrawn)) << Rgb{r, g, b};
                worstDrift = std::max({worstDrift, std::abs(rgb.r - r), std::abs(rgb.g - g),
                                       std::abs(rgb.b - b)});
            }
    // Whole degrees and whole percents, each truncated: a few units at most.
    EXPECT_LE(worstDrift, 7);
}

} // namespace
