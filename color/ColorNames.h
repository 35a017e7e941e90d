// The window texts that name the colour controls and their values for
// assistive technology, for example "Foreground Color: hue 220, saturation
// 23, brightness 73". The controls never paint them.
#pragma once

#include "model/HsbColor.h"

#include <string>

// A colour control or sample box: the whole colour.
std::string ColorName(const std::string& label, const HsbColor& color);
// A hue scroll bar.
std::string HueName(const std::string& label, int hue);
// A saturation and brightness field.
std::string FieldName(const std::string& label, const HsbColor& color);
