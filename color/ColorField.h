// The saturation/brightness field of one hue, as numbers: which colour each
// pixel shows, which colour a click picks, and where the marker of a colour
// sits. Saturation grows from left to right, brightness from bottom to top.
#pragma once

#include "model/ColorConversions.h"

#include <cstdint>

// How the rows of a field map to brightness. The per-pixel ways of painting
// give the top row full brightness; the way of 24-bit displays writes its
// buffer from the bottom row up, starting at brightness 0, and so shows
// every row one step darker.
enum class FieldRows {
    kTopIsFull,      // top row 1, bottom row 1/h
    kBottomIsBlack,  // top row (h-1)/h, bottom row 0
};

// A pixel as a 32-bit device-independent bitmap stores it: 0x00RRGGBB.
using DibPixel = std::uint32_t;

// The hue fraction of a field: degrees / 360, taken modulo one turn.
float FieldHue(int hueDegrees);
float FieldSaturation(int column, int width);
float FieldBrightness(int row, int height, FieldRows rows);

// The colour at column x, row y (from the top) of a width x height field.
ColorRef FieldColor(float hue, int x, int y, int width, int height, FieldRows rows);
// Every pixel of the field, rows from the top, width pixels a row.
void ComputeField(int hueDegrees, int width, int height, FieldRows rows, DibPixel* pixels);

struct FieldPick {
    int saturation;
    int brightness;
};
// The colour a click at x, y picks; false outside the field (right and
// bottom edges excluded). Truncates, so the last column and row never reach
// saturation 100 and brightness 0.
bool PickInField(int x, int y, int width, int height, FieldPick& pick);

struct FieldPoint {
    int x;
    int y;
};
// Where the marker of a colour is centred.
FieldPoint MarkerCentre(int saturation, int brightness, int width, int height);
