// A picture of front-end screens in the selected theme and in the preview
// colours that the host last handed to the theme library. The picture is an
// 8-bit indexed bitmap; the theme library recolours its colour table and the
// display palette at every paint.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Wnd.h"

class CThemePreviewWnd : public CWnd {
public:
    // The pictures' size, which the pages lay out around.
    static const int kWidth = 208;
    static const int kHeight = 143;

    // Loads the theme's preview picture (null: the active theme): the
    // theme's own .bmp file, else the module's picture of that name. Answers
    // the bitmap now held, null when there is none; the previous one is
    // released either way.
    HBITMAP LoadPreviewBitmap(const char* theme);

protected:
    void OnPaint() override;

private:
    CBitmap m_hBitmap;  // a device-independent section, so its colour table can be rewritten
};
