// Pixels computed in memory, drawn in one call: 32-bit values 0x00RRGGBB,
// rows from the top.
#pragma once

#include <windows.h>

#include <cstdint>

// A display of 8 bits per pixel or fewer maps colours through a palette:
// there, paint colour by colour instead of from a pixel buffer.
inline bool IsPaletteDepth(int bitsPerPixel)
{
    const int kPaletteDepth = 8;
    return bitsPerPixel <= kPaletteDepth;
}

inline void DrawTopDownPixels(HDC dc, int width, int height, const std::uint32_t* pixels)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
}
