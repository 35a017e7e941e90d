#include "standins/qorrm/Preview.h"

#include <vector>

namespace {

// Which colour of the list goes to preview entries 128, 129, ... 132.
constexpr int kPreviewSources[QORRM_PREVIEW_INDEX_COUNT] = {1, 5, 9, 17, 22};
constexpr int kPaletteSize = 256;
constexpr int kCubeFirst = 2;      // entries 2..126: a 5 x 5 x 5 colour cube
constexpr int kCubeSteps = 5;
constexpr int kGreyFirst = QORRM_PREVIEW_FIRST_INDEX + QORRM_PREVIEW_INDEX_COUNT;

PALETTEENTRY Entry(COLORREF color, BYTE flags = 0)
{
    return {GetRValue(color), GetGValue(color), GetBValue(color), flags};
}

// Black, white, a colour cube, the preview entries (reserved, so that they
// can be animated) and a grey ramp.
std::vector<PALETTEENTRY> LibraryPaletteEntries(const std::array<COLORREF, 5>& preview)
{
    std::vector<PALETTEENTRY> entries(kPaletteSize, Entry(RGB(0, 0, 0)));
    entries[1] = Entry(RGB(255, 255, 255));
    for (int i = 0; i < kCubeSteps * kCubeSteps * kCubeSteps; ++i) {
        const auto level = [](int step) { return static_cast<BYTE>(step * 255 / (kCubeSteps - 1)); };
        entries[kCubeFirst + i] = Entry(RGB(level(i % kCubeSteps), level(i / kCubeSteps % kCubeSteps),
                                            level(i / (kCubeSteps * kCubeSteps))));
    }
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i)
        entries[QORRM_PREVIEW_FIRST_INDEX + i] = Entry(preview[i], PC_RESERVED);
    for (int i = kGreyFirst; i < kPaletteSize; ++i) {
        const BYTE grey = static_cast<BYTE>((i - kGreyFirst) * 255 / (kPaletteSize - 1 - kGreyFirst));
        entries[i] = Entry(RGB(grey, grey, grey));
    }
    return entries;
}

} // namespace

void CPreview::SetColors(const ColorList& colors)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_colors = colors;
}

ColorList CPreview::Colors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_colors;
}

std::array<COLORREF, QORRM_PREVIEW_INDEX_COUNT> CPreview::PreviewEntries() const
{
    const ColorList colors = Colors();
    std::array<COLORREF, QORRM_PREVIEW_INDEX_COUNT> entries;
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i)
        entries[i] = colors[kPreviewSources[i]];
    return entries;
}

HPALETTE CPreview::Palette()
{
    const auto preview = PreviewEntries();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_palette) {
        const std::vector<PALETTEENTRY> entries = LibraryPaletteEntries(preview);
        std::vector<BYTE> storage(sizeof(LOGPALETTE) + kPaletteSize * sizeof(PALETTEENTRY));
        auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = kPaletteSize;
        std::copy(entries.begin(), entries.end(), logical->palPalEntry);
        m_palette = ::CreatePalette(logical);
    }
    return m_palette;
}

void CPreview::ReleasePalette()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_palette)
        ::DeleteObject(m_palette);
    m_palette = nullptr;
}

bool CPreview::WriteIntoPalette(HPALETTE palette) const
{
    PALETTEENTRY entries[QORRM_PREVIEW_INDEX_COUNT];
    const auto preview = PreviewEntries();
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i)
        entries[i] = Entry(preview[i], PC_RESERVED);
    // The logical palette takes the colours; animating also changes a
    // realized palette on a palette device at once.
    const bool written = ::SetPaletteEntries(palette, QORRM_PREVIEW_FIRST_INDEX,
                                             QORRM_PREVIEW_INDEX_COUNT, entries)
        == QORRM_PREVIEW_INDEX_COUNT;
    if (written)
        ::AnimatePalette(palette, QORRM_PREVIEW_FIRST_INDEX, QORRM_PREVIEW_INDEX_COUNT, entries);
    return written;
}

bool CPreview::WriteIntoColorTable(HDC memoryDc) const
{
    RGBQUAD table[QORRM_PREVIEW_INDEX_COUNT];
    const auto preview = PreviewEntries();
    for (int i = 0; i < QORRM_PREVIEW_INDEX_COUNT; ++i)
        table[i] = {GetBValue(preview[i]), GetGValue(preview[i]), GetRValue(preview[i]), 0};
    return ::SetDIBColorTable(memoryDc, QORRM_PREVIEW_FIRST_INDEX, QORRM_PREVIEW_INDEX_COUNT, table)
        == QORRM_PREVIEW_INDEX_COUNT;
}
