// The time bar's blend as numbers: steps in single precision, each product
// rounded to single precision and floored; the one-buffer row is the columns.
#include "color/TimeBlend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const HsbColor kBlack = {0, 0, 0};
const HsbColor kRed = {0, 100, 100};  // red 255, green and blue 0
const HsbColor kGrey = {200, 30, 60};

TEST(TimeBlendTest, ColumnsStepInSinglePrecisionAndFloorTheProduct)
{
    const struct {
        HsbColor start, end;
        int width, column, red;
    } cases[] = {
        {kBlack, kRed, 100, 0, 0},   {kBlack, kRed, 100, 50, 127}, {kBlack, kRed, 100, 99, 252},
        {kRed, kBlack, 100, 0, 255}, {kRed, kBlack, 100, 1, 252},  {kRed, kBlack, 100, 99, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTimeBlend(c.start, c.end, c.width).Column(c.column), PackColorRef(c.red, 0, 0))
            << c.start.brightness << " to " << c.end.brightness << ", column " << c.column;
    for (int column : {0, 3, 6})
        EXPECT_EQ(CTimeBlend(kGrey, kGrey, 7).Column(column), HsbToColorRef(kGrey));
}

TEST(TimeBlendTest, TheRowHoldsEveryColumnAsADibPixel)
{
    for (int width : {0, 1, 208, 1000}) {
        const CTimeBlend blend(kGrey, {20, 90, 35}, width);
        std::vector<std::uint32_t> row(static_cast<size_t>(width) + 1, 0xDEADBEEFu);
        blend.ComputeRow(row.data());
        for (int x = 0; x < width; ++x) {
            const ColorRef column = blend.Column(x);
            ASSERT_EQ(row[static_cast<size_t>(x)], PackColorRef(column >> 16, column >> 8, column)) << x;
        }
        EXPECT_EQ(row.back(), 0xDEADBEEFu) << "nothing written past the row";
    }
}

} // namespace
