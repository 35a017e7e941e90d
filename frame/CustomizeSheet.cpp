#include "frame/CustomizeSheet.h"

#include "framework/ModuleState.h"
#include "resource.h"
#include "services/Globals.h"

CCustomizeSheet::CCustomizeSheet(UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(captionId, parent, selectPage), m_hIcon(LoadSheetIcon())
{
}

CCustomizeSheet::CCustomizeSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_hIcon(LoadSheetIcon())
{
}

HICON CCustomizeSheet::LoadSheetIcon()
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_QORTHMCUST));
}

int CCustomizeSheet::OnCreate(CREATESTRUCTA* cs)
{
    if (CPropertySheet::OnCreate(cs) == -1)
        return -1;
    // Window handles are 32-bit values in every process.
    ::InterlockedExchange(&g_hCustWnd, HandleToLong(m_hWnd));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    return 0;
}

HCURSOR CCustomizeSheet::OnQueryDragIcon()
{
    return m_hIcon;
}
