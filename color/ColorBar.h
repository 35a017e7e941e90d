// The hue strip under a colour control's scroll bar: the whole hue circle
// from left to right at full saturation and brightness. Passive.
#pragma once

#include "framework/Wnd.h"

class CColorBar : public CWnd {
protected:
    void OnPaint() override;
};
