// Paints the saturation/brightness field of one hue. Displays of more than
// 8 bits per pixel get the whole field from one buffer, computed once per
// hue and size and kept, so that a repaint for a moved marker copies it
// only. Palette displays get a brush per pixel, matched to their palette.
#pragma once

#include "color/ColorField.h"
#include "framework/GdiHandles.h"

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
    bool Prepare(HDC dc, const Key& key);
    void CopyKeptField(HDC dc) const;
    static void DrawPerPixel(HDC dc, int width, int height, int hue);

    CBitmap m_section;  // 32 bits per pixel, rows from the top
    DibPixel* m_pBits = nullptr;
    Key m_key = {};
    bool m_bKept = false;
    unsigned m_nComputed = 0;
};
