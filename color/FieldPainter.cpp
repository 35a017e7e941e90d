#include "color/FieldPainter.h"

#include "framework/DibPixels.h"
#include "framework/SolidFill.h"

#include <new>

namespace {

const int kTrueColorPacked = 24;

// A 24-bit display keeps the rows of its buffer-writing way; every other
// deep display shows exactly the pixels of the per-pixel ways.
FieldRows RowsForDepth(int bitsPerPixel)
{
    return bitsPerPixel == kTrueColorPacked ? FieldRows::kBottomIsBlack : FieldRows::kTopIsFull;
}

} // namespace

bool CFieldPainter::SameKey(const Key& a, const Key& b)
{
    return a.hue == b.hue && a.width == b.width && a.height == b.height && a.rows == b.rows;
}

void CFieldPainter::Draw(HDC dc, int width, int height, int hue, int bitsPerPixel)
{
    if (width <= 0 || height <= 0)
        return;
    if (IsPaletteDepth(bitsPerPixel)) {
        DrawPerPixel(dc, width, height, hue);
        return;
    }
    if (Prepare(Key{hue, width, height, RowsForDepth(bitsPerPixel)}))
        CopyKeptField(dc);
}

bool CFieldPainter::Prepare(const Key& key)
{
    if (m_bKept && SameKey(key, m_key))
        return true;
    m_bKept = false;
    try {
        m_pixels.resize(static_cast<size_t>(key.width) * static_cast<size_t>(key.height));
    } catch (const std::bad_alloc&) {
        return false;  // a field too big to hold stays unpainted
    }
    ComputeField(key.hue, key.width, key.height, key.rows, m_pixels.data());
    ++m_nComputed;
    m_key = key;
    m_bKept = true;
    return true;
}

void CFieldPainter::CopyKeptField(HDC dc) const
{
    DrawTopDownPixels(dc, m_key.width, m_key.height, m_pixels.data());
}

void CFieldPainter::DrawPerPixel(HDC dc, int width, int height, int hue)
{
    const CMemoryDC memory(dc);
    const CBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
    if (!memory || !bitmap)
        return;
    const CSelection selected(memory.Get(), bitmap.Get());
    const float fieldHue = FieldHue(hue);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const ColorRef color = FieldColor(fieldHue, x, y, width, height, FieldRows::kTopIsFull);
            FillSolid(memory.Get(), RECT{x, y, x + 1, y + 1}, color);
        }
    }
    ::BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
}
