#include "color/ColorNames.h"

namespace {

std::string Named(const std::string& label, const std::string& value)
{
    return label.empty() ? value : label + " " + value;
}

std::string Hue(int hue)
{
    return "hue " + std::to_string(hue);
}

std::string SaturationAndBrightness(const HsbColor& color)
{
    return "saturation " + std::to_string(color.saturation) + ", brightness " + std::to_string(color.brightness);
}

} // namespace

std::string ColorName(const std::string& label, const HsbColor& color)
{
    return Named(label, Hue(color.hue) + ", " + SaturationAndBrightness(color));
}

std::string HueName(const std::string& label, int hue)
{
    return Named(label, Hue(hue));
}

std::string FieldName(const std::string& label, const HsbColor& color)
{
    return Named(label, SaturationAndBrightness(color));
}
