// A colour as it is stored and edited: hue in degrees (0 to 359), saturation
// and brightness in percent (0 to 100).
#pragma once

struct HsbColor {
    int hue;
    int saturation;
    int brightness;
};

inline bool operator==(const HsbColor& a, const HsbColor& b)
{
    return a.hue == b.hue && a.saturation == b.saturation && a.brightness == b.brightness;
}

inline bool operator!=(const HsbColor& a, const HsbColor& b)
{
    return !(a == b);
}
