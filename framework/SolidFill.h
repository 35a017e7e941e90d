// Filling or framing with one colour through a solid brush of its own,
// released at once.
#pragma once

#include "framework/GdiHandles.h"

// A failed brush creation leaves the area unpainted.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    const CBrush brush(::CreateSolidBrush(color));
    if (brush)
        ::FillRect(dc, &rect, brush.Get());
}

// A one-pixel frame; a failed brush creation leaves it undrawn.
inline void FrameSolid(HDC dc, const RECT& rect, COLORREF color)
{
    const CBrush brush(::CreateSolidBrush(color));
    if (brush)
        ::FrameRect(dc, &rect, brush.Get());
}
