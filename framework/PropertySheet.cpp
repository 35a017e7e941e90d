#include "framework/PropertySheet.h"

#include "framework/ModuleState.h"
#include "framework/PropertyPage.h"

namespace {

// The sheet whose window the common controls are creating (on the module's
// one thread: no thread_local, see ModuleState.cpp).
CPropertySheet* g_pCreating = nullptr;

std::string LoadResourceString(UINT id)
{
    char buffer[256] = {};
    ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof(buffer));
    return buffer;
}

} // namespace

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : m_strCaption(LoadResourceString(captionId)), m_pParentWnd(parent), m_nStartPage(selectPage)
{
}

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption ? caption : ""), m_pParentWnd(parent), m_nStartPage(selectPage)
{
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i] == page)
            return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, i, 0));
    }
    return FALSE;
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages) {
        HPROPSHEETPAGE handle = page->CreatePage(this);
        if (!handle) {
            for (HPROPSHEETPAGE created : handles)
                ::DestroyPropertySheetPage(created);
            return -1;
        }
        handles.push_back(handle);
    }

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_USECALLBACK;
    header.hwndParent = GetSafeOwner(m_pParentWnd);
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = m_nStartPage;
    header.phpage = handles.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    CPropertySheet* outer = g_pCreating;
    g_pCreating = this;
    const INT_PTR result = ::PropertySheetA(&header);
    g_pCreating = outer;
    return result;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && g_pCreating && !CWnd::FromHandle(hwnd))
        g_pCreating->OnSheetWindow(hwnd);
    return 0;
}

void CPropertySheet::OnSheetWindow(HWND hwnd)
{
    SubclassWindow(hwnd);
    int created = -1;
    try {
        created = OnCreate(nullptr);
    } catch (...) {
    }
    if (created == -1)
        ::PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

int CPropertySheet::OnCreate(CREATESTRUCTA*)
{
    return 0;
}

LRESULT CPropertySheet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dialog manager asks where Tab goes (lParam FALSE; wParam: backwards).
    if (message == WM_NEXTDLGCTL && !lParam) {
        HWND page = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
        const auto* dialog = dynamic_cast<const CDialog*>(CWnd::FromHandle(page));
        if (dialog && dialog->TabFrom(m_hWnd, wParam != 0))
            return 0;
    }
    return CWnd::OnMessage(message, wParam, lParam);
}
