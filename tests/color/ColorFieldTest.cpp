// The field as numbers: picks and markers at the edges of the arithmetic.
#include "color/ColorField.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Beyond the places the window tests click: truncation just below a whole
// percent (y / h x 100, in that order), an empty field, markers far off it.
TEST(ColorFieldTest, PicksTruncateAndMarkersStayDefined)
{
    FieldPick pick = {-7, -7};
    ASSERT_TRUE(PickInField(1, 29, 3, 100, pick));
    EXPECT_TRUE(pick.saturation == 33 && pick.brightness == 72) << pick.saturation << ", " << pick.brightness;
    EXPECT_FALSE(PickInField(0, 0, 0, 0, pick));
    const FieldPoint far = MarkerCentre(INT_MAX, INT_MIN, 400, 400);
    const FieldPoint near = MarkerCentre(INT_MIN, INT_MAX, 400, 400);
    EXPECT_TRUE(far.x > 400 && far.y > 400 && near.x < 0 && near.y < 0);
}

} // namespace
