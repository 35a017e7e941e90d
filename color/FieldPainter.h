// Paints the saturation/brightness field of one hue. Displays of more than
// 8 bits per pixel get the whole field from one buffer, computed once per
// hue and size and kept, so that a repaint for a moved marker only copies
// it. Palette displays get a brush per pixel, matched to their palette.
#pragma once

#include "color/ColorField.h"

#include <windows.h>

#include <vector>

class CFieldPainter {
public:
    // Paints width x height pixels at 0,0 of dc as a display of the given
    // depth shows them.
    void Draw(HDC dc, int width, int height, int hue, int bitsPerPixel);
    // How many times the field's pixels have been computed.
    unsigned GetComputeCount() const { return m_nComputed; }

private:
    struct Key {
        int hue;
        int width;
        int height;
        FieldRows rows;
    };
    static bool SameKey(const Key& a, const Key& b);

    // Brings the kept field up to the key; false when it cannot be had.
    bool Prepare(const Key& key);
    void CopyKeptField(HDC dc) const;
    static void DrawPerPixel(HDC dc, int width, int height, int hue);

    std::vector<DibPixel> m_pixels;  // 32 bits per pixel, rows from the top
    Key m_key = {};
    bool m_bKept = false;
    unsigned m_nComputed = 0;
};
