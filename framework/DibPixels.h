// Pixels computed in memory, drawn in one call: 32-bit values 0x00RRGGBB,
// rows from the top.
#pragma once

#include <windows.h>

#include <cstdint>

inline void DrawTopDownPixels(HDC dc, int width, int height, const std::uint32_t* pixels)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}
