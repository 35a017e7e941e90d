// The time bar's colours as numbers: a bar w columns wide runs from the start
// colour at column 0 towards the end colour in equal single-precision steps,
// each product rounded to single precision and floored, so column 0 is the
// start colour exactly and the last column stops one step short of the end.
#pragma once

#include "model/ColorConversions.h"
#include "model/HsbColor.h"

#include <cstdint>

class CTimeBlend {
public:
    CTimeBlend(const HsbColor& start, const HsbColor& end, int width);

    // The colour of column x (the low 8 bits of each channel).
    ColorRef Column(int x) const;
    // Every column as a 32-bit device-independent bitmap stores it
    // (0x00RRGGBB), width pixels.
    void ComputeRow(std::uint32_t* pixels) const;
    int GetWidth() const { return m_nWidth; }

private:
    static const int kChannels = 3;
    int ChannelAt(int channel, int x) const;

    int m_nWidth;
    int m_start[kChannels] = {};
    float m_step[kChannels] = {};
};
