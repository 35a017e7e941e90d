#include "color/TimeBlend.h"

#include <cmath>

namespace {

void ToRgb(const HsbColor& color, int (&rgb)[3])
{
    float h = 0, s = 0, v = 0;
    HsbToHsv(color.hue, color.saturation, color.brightness, h, s, v);
    HsvToRgb(h, s, v, rgb[0], rgb[1], rgb[2]);
}

} // namespace

CTimeBlend::CTimeBlend(const HsbColor& start, const HsbColor& end, int width)
    : m_nWidth(width)
{
    int to[kChannels] = {};
    ToRgb(start, m_start);
    ToRgb(end, to);
    if (width <= 0)
        return;
    for (int c = 0; c < kChannels; ++c)
        m_step[c] = static_cast<float>(static_cast<double>(to[c] - m_start[c]) / width);
}

int CTimeBlend::ChannelAt(int channel, int x) const
{
    const float product = m_step[channel] * static_cast<float>(x);
    return m_start[channel] + static_cast<int>(std::floor(product));
}

ColorRef CTimeBlend::Column(int x) const
{
    return PackColorRef(ChannelAt(0, x), ChannelAt(1, x), ChannelAt(2, x));
}

void CTimeBlend::ComputeRow(std::uint32_t* pixels) const
{
    for (int x = 0; x < m_nWidth; ++x) {
        const ColorRef color = Column(x);
        // A colour reference holds red lowest, a DIB pixel blue lowest.
        pixels[x] = ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
    }
}
