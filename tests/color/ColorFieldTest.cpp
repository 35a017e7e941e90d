// The field as numbers: every pixel against the conversion of its place under
// both row rules; picks and markers at the edges of the arithmetic.
#include "color/ColorField.h"
#include "model/ColorConversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// The colour as the literal algorithm gets it: hue / 360, x / w and the
// row rule's brightness straight through the conversion, as a DIB pixel.
DibPixel Literal(int hue, int x, int y, int width, int height, FieldRows rows)
{
    const float v = rows == FieldRows::kTopIsFull
                        ? static_cast<float>(1.0 - static_cast<double>(y) / height)
                        : static_cast<float>(static_cast<double>(height - 1 - y) / height);
    int r = 0, g = 0, b = 0;
    HsvToRgb(static_cast<float>(hue / 360.0), static_cast<float>(static_cast<double>(x) / width), v, r, g, b);
    return static_cast<DibPixel>((r << 16) | (g << 8) | b);
}

int Mismatches(int hue, int width, int height, FieldRows rows)
{
    std::vector<DibPixel> pixels(static_cast<size_t>(width) * height);
    ComputeField(hue, width, height, rows, pixels.data());
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const DibPixel expected = Literal(hue, x, y, width, height, rows);
            const ColorRef color = FieldColor(FieldHue(hue), x, y, width, height, rows);
            mismatches += pixels[static_cast<size_t>(y) * width + x] != expected;
            mismatches += PackColorRef(expected >> 16, expected >> 8, expected) != color;
        }
    return mismatches;
}

TEST(ColorFieldTest, EveryPixelIsTheConversionOfItsPlace)
{
    for (FieldRows rows : {FieldRows::kTopIsFull, FieldRows::kBottomIsBlack}) {
        for (const auto& size : {std::pair{1, 1}, std::pair{17, 13}, std::pair{80, 80}})
            for (int hue = 0; hue < 360; ++hue)
                ASSERT_EQ(Mismatches(hue, size.first, size.second, rows), 0)
                    << "hue " << hue << ", " << size.first << " x " << size.second;
        for (int hue : {0, 59, 60, 61, 180, 299, 359})
            EXPECT_EQ(Mismatches(hue, 400, 300, rows), 0) << "hue " << hue;
    }
}

// Beyond the places the window tests click: truncation just below a whole
// percent (y / h x 100, in that order), an empty field, markers far off it.
TEST(ColorFieldTest, PicksTruncateAndMarkersStayDefined)
{
    FieldPick pick = {-7, -7};
    ASSERT_TRUE(PickInField(1, 29, 3, 100, pick));
    EXPECT_TRUE(pick.saturation == 33 && pick.brightness == 72) << pick.saturation << ", " << pick.brightness;
    EXPECT_FALSE(PickInField(0, 0, 0, 0, pick));
    const FieldPoint centre = MarkerCentre(50, 75, 80, 80);
    EXPECT_TRUE(centre.x == 40 && centre.y == 20);
    const FieldPoint far = MarkerCentre(INT_MAX, INT_MIN, 400, 400);
    const FieldPoint near = MarkerCentre(INT_MIN, INT_MAX, 400, 400);
    EXPECT_TRUE(far.x > 400 && far.y > 400 && near.x < 0 && near.y < 0);
}

} // namespace
