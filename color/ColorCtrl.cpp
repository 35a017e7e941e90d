#include "color/ColorCtrl.h"

#include "color/ColorChanged.h"
#include "color/ColorNames.h"
#include "framework/GdiHandles.h"

#include <algorithm>
#include <optional>

namespace {

const int kHueMax = 359;
const int kLineStep = 2;
const int kPageStep = 10;

// The layout inside the one-pixel frame, in pixels; the caption's extent
// and the control's width decide the rest.
const int kFrameWidth = 1;
const int kScrollBarGap = 4;      // between the caption row and the scroll bar
const int kScrollBarHeight = 15;
const int kStripGap = 12;         // between the scroll bar and the hue strip
const int kStripInset = 47;       // the hue strip's inset on either side
const int kStripHeight = 13;
const int kBoxShare = 4;          // the sample box takes a quarter of the width

RECT At(int left, int top, int width, int height)
{
    // A control too narrow for its parts gets empty ones, never inverted.
    return RECT{left, top, left + std::max(width, 0), top + std::max(height, 0)};
}

// The position a scroll code asks for; none for a code that moves nothing
// (the end of scrolling).
std::optional<int> RequestedPosition(UINT code, int current, int thumb)
{
    switch (code) {
    case SB_LINELEFT: return current - kLineStep;
    case SB_LINERIGHT: return current + kLineStep;
    case SB_PAGELEFT: return current - kPageStep;
    case SB_PAGERIGHT: return current + kPageStep;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return thumb;
    case SB_LEFT: return 0;
    case SB_RIGHT: return kHueMax;
    default: return std::nullopt;
    }
}

} // namespace

void CColorCtrl::SetColor(HsbColor* color)
{
    m_pColor = color;
    m_wndColorBox.SetColor(color);
}

void CColorCtrl::UpdateFromColor()
{
    // A control whose creation failed has no parts to update.
    if (!m_hWnd)
        return;
    if (m_pColor)
        m_wndScrollBar.SetScrollPos(m_pColor->hue);
    m_wndColorBox.RedrawNow();
    ShowNames();
}

void CColorCtrl::ShowNames() const
{
    const std::string name = m_pColor ? ColorName(m_strLabel, *m_pColor) : m_strLabel;
    SetWindowText(name);
    m_wndColorBox.SetWindowText(name);
    m_wndScrollBar.SetWindowText(HueName(m_strLabel, m_wndScrollBar.GetScrollPos()));
}

std::vector<HWND> CColorCtrl::GetTabStops() const
{
    std::vector<HWND> stops;
    if (m_wndColorBox.AllowsPicker())
        stops.push_back(m_wndColorBox.GetSafeHwnd());
    stops.push_back(m_wndScrollBar.GetSafeHwnd());
    return stops;
}

int CColorCtrl::OnCreate(CREATESTRUCTA* cs)
{
    if (CWnd::OnCreate(cs) == -1 || !GetParent())
        return -1;
    const RECT empty = {};
    const DWORD partStyle = WS_CHILD | WS_VISIBLE;
    const char* const className = CWnd::DefaultClassName();
    if (!m_wndColorBox.Create(className, "", partStyle, empty, this, kColorBoxId, WS_EX_STATICEDGE)
        || !m_wndColorBar.Create(className, "", partStyle, empty, this, kColorBarId, WS_EX_STATICEDGE)
        || !m_wndScrollBar.Create("SCROLLBAR", "", partStyle | SBS_HORZ, empty, this, kScrollBarId))
        return -1;
    m_wndScrollBar.SetScrollRange(0, kHueMax);
    UpdateFromColor();
    return 0;
}

void CColorCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    const int width = GetClientRect().right;
    const SIZE label = MeasureLabel();
    const int inset = m_nMargin - kFrameWidth;
    const int boxWidth = (width - m_nMargin) / kBoxShare;
    const int scrollTop = label.cy + m_nMargin + kScrollBarGap;
    const int stripTop = scrollTop + kScrollBarHeight + kStripGap;

    m_rcLabel = At(inset, m_nMargin, label.cx, label.cy);
    m_wndColorBox.Place(At(width - inset - boxWidth, m_nMargin, boxWidth, label.cy));
    m_wndScrollBar.Place(At(inset, scrollTop, width - 2 * inset, kScrollBarHeight));
    m_wndColorBar.Place(At(kStripInset, stripTop, width - 2 * kStripInset, kStripHeight));
}

SIZE CColorCtrl::MeasureLabel() const
{
    SIZE extent = {};
    const CClientDC dc(m_hWnd);
    if (!dc.Get())
        return extent;
    const CSelection font(dc.Get(), GetParentFont());
    if (!::GetTextExtentPoint32A(dc.Get(), m_strLabel.c_str(), static_cast<int>(m_strLabel.size()),
                                 &extent))
        extent = SIZE{};
    return extent;
}

void CColorCtrl::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    {
        const CSelection pen(dc.Get(), ::GetStockObject(BLACK_PEN));
        const CSelection brush(dc.Get(), ::GetStockObject(HOLLOW_BRUSH));
        ::Rectangle(dc.Get(), client.left, client.top, client.right, client.bottom);
    }
    const CSelection font(dc.Get(), GetParentFont());
    ::SetBkMode(dc.Get(), TRANSPARENT);
    RECT label = m_rcLabel;
    ::DrawTextA(dc.Get(), m_strLabel.c_str(), static_cast<int>(m_strLabel.size()), &label,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void CColorCtrl::OnHScroll(UINT code, UINT pos, HWND)
{
    Default();
    const std::optional<int> requested =
        RequestedPosition(code, m_wndScrollBar.GetScrollPos(), static_cast<int>(pos));
    if (!requested)
        return;
    m_wndScrollBar.SetScrollPos(std::clamp(*requested, 0, kHueMax));
    if (!m_pColor)
        return;
    m_pColor->hue = m_wndScrollBar.GetScrollPos();
    m_wndColorBox.RedrawNow();
    ShowNames();
    PostColorChanged(GetParent(), this);
}
