// The preview colours of this process and the library's palette: the host
// hands colours over, and every paint of a preview writes five of them into
// the palette and into the colour table of the preview picture (the mapping
// is documented in qorrm.h).
#pragma once

#include "standins/qorrm/ColorList.h"

#include <mutex>

class CPreview {
public:
    void SetColors(const ColorList& colors);
    ColorList Colors() const;

    // One 256-entry palette per process, made on first use; the library
    // owns it and deletes it in ReleasePalette (at unload).
    HPALETTE Palette();
    void ReleasePalette();

    // Both answer false when fewer than the five entries could be written
    // (a palette or colour table too short for them).
    bool WriteIntoPalette(HPALETTE palette) const;
    bool WriteIntoColorTable(HDC memoryDc) const;

private:
    std::array<COLORREF, QORRM_PREVIEW_INDEX_COUNT> PreviewEntries() const;

    mutable std::mutex m_mutex;
    ColorList m_colors = kDefaultColors;
    HPALETTE m_palette = nullptr;
};
