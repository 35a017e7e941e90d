#include "color/ColorField.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const int kHueDegrees = 360;
const double kDegreesPerTurn = 360.0;
const double kPercent = 100.0;
// Drawing coordinates stay well inside this; a hand-edited colour far out of
// range puts its marker off the field, never into undefined arithmetic.
const double kCoordinateLimit = 1 << 24;

// The terms HsvToRgb puts into red, green and blue, by the hue's sector.
enum Term { kV, kP, kQ, kT, kTermCount };
struct SectorChannels {
    Term red, green, blue;
};
const SectorChannels kSectorChannels[6] = {
    {kV, kT, kP}, {kQ, kV, kP}, {kP, kV, kT}, {kP, kQ, kV}, {kT, kP, kV}, {kV, kP, kQ},
};

// A column's share of HsvToRgb's p, q and t: v times these.
struct ColumnTerms {
    bool grey;  // no saturation: every channel is the brightness
    double p, q, t;
};

// Values here lie in 0 to 1, so the plain conversion truncates as HsvToRgb does.
int Channel(double fraction)
{
    return static_cast<int>(fraction * 255.0);
}

int TruncateCoordinate(double value)
{
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

} // namespace

float FieldHue(int hueDegrees)
{
    // A hue beyond 0 to 359 (hand-edited) is taken modulo one turn, as the
    // conversions take a stored hue.
    const int wrapped = ((hueDegrees % kHueDegrees) + kHueDegrees) % kHueDegrees;
    return static_cast<float>(wrapped / kDegreesPerTurn);
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
    // HsvToRgb's arithmetic, operation for operation, split into what the
    // whole field shares (the hue's sector), what a column shares (the
    // saturation terms) and what a row shares (the brightness): a field of
    // one hue then costs a few multiplications per pixel.
    const double sector = FieldHue(hueDegrees) * 6.0;
    const SectorChannels channels = kSectorChannels[static_cast<int>(sector)];
    const double f = sector - std::floor(sector);
    std::vector<ColumnTerms> columns(static_cast<size_t>(std::max(width, 0)));
    for (int x = 0; x < width; ++x) {
        const double s = FieldSaturation(x, width);
        columns[static_cast<size_t>(x)] = ColumnTerms{s == 0.0, 1.0 - s, 1.0 - s * f, 1.0 - s * (1.0 - f)};
    }
    for (int y = 0; y < height; ++y) {
        const double v = FieldBrightness(y, height, rows);
        const int value = Channel(v);
        for (const ColumnTerms& column : columns) {
            if (column.grey) {  // HsvToRgb's first case
                *pixels++ = PackColorRef(value, value, value);
                continue;
            }
            const int terms[kTermCount] = {value, Channel(v * column.p), Channel(v * column.q),
                                           Channel(v * column.t)};
            // Packed as a colour reference of blue, green and red: a DIB pixel.
            *pixels++ = PackColorRef(terms[channels.blue], terms[channels.green], terms[channels.red]);
        }
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
