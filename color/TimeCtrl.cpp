#include "color/TimeCtrl.h"

#include "framework/GdiHandles.h"
#include "services/TextCatalogue.h"

#include <algorithm>

namespace {

// Below the top inset: the caption row, then the bar.
const int kTextGap = 4;
const int kTextHeight = 20;
const int kBarGap = 4;
const int kBarHeight = 10;

RECT Row(int left, int right, int top, int height)
{
    // A control too narrow for its row gets an empty one, never an inverted one.
    return RECT{left, top, std::max(left, right), top + height};
}

} // namespace

CTimeCtrl::CTimeCtrl()
    : m_strStart(GetTextString(TXT_TEXT_START)), m_strEnd(GetTextString(TXT_TEXT_END))
{
}

void CTimeCtrl::SetColors(HsbColor* start, HsbColor* end)
{
    m_pStartColor = start;
    m_pEndColor = end;
}

int CTimeCtrl::OnCreate(CREATESTRUCTA* cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    // A control without its bar still shows its captions.
    m_wndTimeBar.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{}, this, kTimeBarId,
                        WS_EX_STATICEDGE);
    return 0;
}

void CTimeCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    const int width = GetClientRect().right;
    const int inset = 2 * m_nMargin + m_nSpacing / 2;
    const int textTop = m_nMargin + kTextGap;
    m_rcText = Row(inset, width - inset, textTop, kTextHeight);
    m_wndTimeBar.Place(Row(inset, width - inset, m_rcText.bottom + kBarGap, kBarHeight));
}

void CTimeCtrl::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const CSelection font(dc.Get(), GetParentFont());
    ::SetBkMode(dc.Get(), TRANSPARENT);
    const UINT row = DT_SINGLELINE | DT_VCENTER;
    RECT text = m_rcText;
    ::DrawTextA(dc.Get(), m_strStart.c_str(), static_cast<int>(m_strStart.size()), &text, row | DT_LEFT);
    text = m_rcText;
    ::DrawTextA(dc.Get(), m_strEnd.c_str(), static_cast<int>(m_strEnd.size()), &text, row | DT_RIGHT);
}
