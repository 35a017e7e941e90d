// The bar of a time control: blends its owner's start colour at the left into
// its end colour at the right. Passive; its parent must be a CTimeCtrl.
#pragma once

#include "color/TimeBlend.h"
#include "framework/Wnd.h"

class CTimeBar : public CWnd {
public:
    // How a blend reaches the device: a solid brush per column, or every
    // pixel from one buffer. Both show the same pixels on displays of more
    // than 8 bits per pixel; palette displays match each brush to their palette.
    enum class Painting { kPerColumn, kOneBuffer };
    // Paints the blend's width by height pixels at 0,0 of dc.
    static void Paint(HDC dc, const CTimeBlend& blend, int height, Painting way);

protected:
    void OnPaint() override;
};
