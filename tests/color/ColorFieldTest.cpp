// The field as numbers: pixel colours under both row rules, picking with
// truncation, and the marker's place, also for colours far out of range.
#include "color/ColorConversions.h"
#include "color/ColorField.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// The colour as the literal algorithm gets it: hue / 360, x / w, and the
// brightness the row rule gives, straight through the conversion.
DibPixel Literal(int hue, int x, int y, int width, int height, FieldRows rows)
{
    const float v = rows == FieldRows::kTopIsFull
                        ? static_cast<float>(1.0 - static_cast<double>(y) / height)
                        : static_cast<float>(static_cast<double>(height - 1 - y) / height);
    int r = 0, g = 0, b = 0;
    HsvToRgb(static_cast<float>(hue / 360.0), static_cast<float>(static_cast<double>(x) / width), v, r, g, b);
    return static_cast<DibPixel>((r << 16) | (g << 8) | b);
}

DibPixel AsDibPixel(ColorRef color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

TEST(ColorFieldTest, RowRulesDifferByOneRow)
{
    EXPECT_EQ(FieldBrightness(0, 80, FieldRows::kTopIsFull), 1.0f);
    EXPECT_EQ(FieldBrightness(79, 80, FieldRows::kTopIsFull), 1.0f / 80);
    EXPECT_EQ(FieldBrightness(0, 80, FieldRows::kBottomIsBlack), static_cast<float>(79.0 / 80));
    EXPECT_EQ(FieldBrightness(79, 80, FieldRows::kBottomIsBlack), 0.0f);
    EXPECT_EQ(FieldSaturation(0, 80), 0.0f);
    EXPECT_EQ(FieldSaturation(79, 80), static_cast<float>(79.0 / 80));
}

TEST(ColorFieldTest, EveryPixelIsTheConversionOfItsPlace)
{
    const int sizes[][2] = {{17, 13}, {1, 1}, {80, 80}};
    for (FieldRows rows : {FieldRows::kTopIsFull, FieldRows::kBottomIsBlack}) {
        for (const auto& size : sizes) {
            const int width = size[0], height = size[1];
            std::vector<DibPixel> pixels(static_cast<size_t>(width) * height);
            for (int hue = 0; hue < 360; ++hue) {
                ComputeField(hue, width, height, rows, pixels.data());
                int mismatches = 0;
                for (int y = 0; y < height; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const DibPixel pixel = pixels[static_cast<size_t>(y) * width + x];
                        mismatches += pixel != Literal(hue, x, y, width, height, rows);
                        mismatches += pixel != AsDibPixel(FieldColor(FieldHue(hue), x, y, width, height, rows));
                    }
                }
                ASSERT_EQ(mismatches, 0) << "hue " << hue << ", " << width << " x " << height;
            }
        }
    }
}

TEST(ColorFieldTest, LargeFieldsToo)
{
    const int width = 400, height = 300;
    std::vector<DibPixel> pixels(static_cast<size_t>(width) * height);
    for (int hue : {0, 59, 60, 61, 180, 299, 359}) {
        ComputeField(hue, width, height, FieldRows::kTopIsFull, pixels.data());
        int mismatches = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                mismatches += pixels[static_cast<size_t>(y) * width + x]
                              != Literal(hue, x, y, width, height, FieldRows::kTopIsFull);
        }
        EXPECT_EQ(mismatches, 0) << "hue " << hue;
    }
}

TEST(ColorFieldTest, HuesBeyondOneTurnWrap)
{
    EXPECT_EQ(FieldHue(360), 0.0f);
    EXPECT_EQ(FieldHue(-1), FieldHue(359));
    EXPECT_EQ(FieldHue(-400), FieldHue(320));
    std::vector<DibPixel> wrapped(12 * 9), plain(12 * 9);
    ComputeField(-1, 12, 9, FieldRows::kTopIsFull, wrapped.data());
    ComputeField(359, 12, 9, FieldRows::kTopIsFull, plain.data());
    EXPECT_EQ(wrapped, plain);
}

TEST(ColorFieldTest, KnownPixels)
{
    std::vector<DibPixel> pixels(80 * 80);
    ComputeField(120, 80, 80, FieldRows::kTopIsFull, pixels.data());
    EXPECT_EQ(pixels[0], 0xFFFFFFu) << "top left: white";
    EXPECT_EQ(pixels[79], 0x03FF03u) << "top right: nearly pure green";
    ComputeField(0, 80, 80, FieldRows::kBottomIsBlack, pixels.data());
    EXPECT_EQ(pixels[79 * 80 + 40], 0u) << "bottom row black";
}

TEST(ColorFieldTest, PicksTruncate)
{
    struct Case {
        int x, y, width, height;
        bool inside;
        int saturation, brightness;
    };
    const Case cases[] = {
        {40, 20, 80, 80, true, 50, 75}, {0, 0, 80, 80, true, 0, 100},  {79, 79, 80, 80, true, 98, 2},
        {80, 0, 80, 80, false, 0, 0},   {0, 80, 80, 80, false, 0, 0},   {-1, 5, 80, 80, false, 0, 0},
        {5, -1, 80, 80, false, 0, 0},   {2, 2, 3, 3, true, 66, 34},     {0, 0, 0, 0, false, 0, 0},
        {1, 29, 3, 100, true, 33, 72},  // 29 / 100 * 100 is just below 29
    };
    for (const Case& test : cases) {
        FieldPick pick = {-7, -7};
        EXPECT_EQ(PickInField(test.x, test.y, test.width, test.height, pick), test.inside)
            << test.x << "," << test.y;
        if (test.inside) {
            EXPECT_EQ(pick.saturation, test.saturation) << test.x << "," << test.y;
            EXPECT_EQ(pick.brightness, test.brightness) << test.x << "," << test.y;
        }
    }
}

TEST(ColorFieldTest, MarkerSitsAtTheColour)
{
    const FieldPoint centre = MarkerCentre(50, 75, 80, 80);
    EXPECT_EQ(centre.x, 40);
    EXPECT_EQ(centre.y, 20);
    const FieldPoint corner = MarkerCentre(0, 100, 80, 80);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    // A click and its marker agree where the arithmetic allows it.
    FieldPick pick = {};
    ASSERT_TRUE(PickInField(60, 40, 80, 80, pick));
    const FieldPoint back = MarkerCentre(pick.saturation, pick.brightness, 80, 80);
    EXPECT_EQ(back.x, 60);
    EXPECT_EQ(back.y, 40);
}

TEST(ColorFieldTest, ColoursFarOutOfRangeGiveAMarkerOffTheField)
{
    const FieldPoint far = MarkerCentre(INT_MAX, INT_MIN, 400, 400);
    EXPECT_GT(far.x, 400);
    EXPECT_GT(far.y, 400);
    const FieldPoint near = MarkerCentre(INT_MIN, INT_MAX, 400, 400);
    EXPECT_LT(near.x, 0);
    EXPECT_LT(near.y, 0);
}

} // namespace
