// The time bar's blend as numbers: steps in single precision, each product
// rounded to single precision and floored.
#include "color/TimeBlend.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeBlendTest, ColumnsStepInSinglePrecisionAndFloorTheProduct)
{
    const HsbColor black = {0, 0, 0}, red = {0, 100, 100}, grey = {200, 30, 60};  // red: 255, 0, 0
    const struct {
        HsbColor start, end;
        int width, column;
        ColorRef color;
    } cases[] = {
        {black, red, 100, 0, 0}, {black, red, 100, 50, 127}, {black, red, 100, 99, 252}, {red, black, 100, 0, 255},
        {red, black, 100, 1, 252}, {red, black, 100, 99, 2}, {grey, grey, 7, 6, HsbToColorRef(grey)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTimeBlend(c.start, c.end, c.width).Column(c.column), c.color) << c.column;
}

} // namespace
