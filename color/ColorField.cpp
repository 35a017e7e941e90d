#include "color/ColorField.h"

#include <algorithm>

namespace {

const double kDegreesPerTurn = 360.0;
const double kPercent = 100.0;
// Drawing coordinates stay well inside this; a hand-edited colour far out of
// range puts its marker off the field, never into undefined arithmetic.
const double kCoordinateLimit = 1 << 24;

// The same bytes as a colour reference with red and blue swapped.
DibPixel DibPixelOf(float hue, float saturation, float brightness)
{
    int r = 0, g = 0, b = 0;
    HsvToRgb(hue, saturation, brightness, r, g, b);
    return PackColorRef(b, g, r);
}

int TruncateCoordinate(double value)
{
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

} // namespace

float FieldHue(int hueDegrees)
{
    return static_cast<float>(hueDegrees / kDegreesPerTurn);
}

float FieldSaturation(int column, int width)
{
    return static_cast<float>(static_cast<double>(column) / width);
}

float FieldBrightness(int row, int height, FieldRows rows)
{
    if (rows == FieldRows::kTopIsFull)
        return static_cast<float>(1.0 - static_cast<double>(row) / height);
    return static_cast<float>(static_cast<double>(height - 1 - row) / height);
}

ColorRef FieldColor(float hue, int x, int y, int width, int height, FieldRows rows)
{
    int r = 0, g = 0, b = 0;
    HsvToRgb(hue, FieldSaturation(x, width), FieldBrightness(y, height, rows), r, g, b);
    return PackColorRef(r, g, b);
}

void ComputeField(int hueDegrees, int width, int height, FieldRows rows, DibPixel* pixels)
{
    const float hue = FieldHue(hueDegrees);
    for (int y = 0; y < height; ++y) {
        const float v = FieldBrightness(y, height, rows);
        for (int x = 0; x < width; ++x)
            *pixels++ = DibPixelOf(hue, FieldSaturation(x, width), v);
    }
}

bool PickInField(int x, int y, int width, int height, FieldPick& pick)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    pick.saturation = static_cast<int>(x * kPercent / width);
    pick.brightness = 100 - static_cast<int>(static_cast<double>(y) / height * kPercent);
    return true;
}

FieldPoint MarkerCentre(int saturation, int brightness, int width, int height)
{
    return FieldPoint{TruncateCoordinate(saturation * static_cast<double>(width) / kPercent),
                      height - TruncateCoordinate(brightness * static_cast<double>(height) / kPercent)};
}
