#include "framework/PropertyPage.h"

#include "framework/ModuleState.h"
#include "framework/PropertySheet.h"

CPropertyPage::CPropertyPage(UINT templateId)
    : CDialog(templateId)
{
}

void CPropertyPage::SetTitle(const std::string& title)
{
    m_strTitle = title;
}

HPROPSHEETPAGE CPropertyPage::CreatePage(CPropertySheet* sheet)
{
    m_pSheet = sheet;
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = m_strTitle.empty() ? PSP_DEFAULT : PSP_USETITLE;
    page.hInstance = AfxGetResourceHandle();
    page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    page.pszTitle = m_strTitle.c_str();
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return ::CreatePropertySheetPageA(&page);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG || CWnd::FromHandle(hwnd))
        return FALSE;
    const auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    return reinterpret_cast<CPropertyPage*>(page->lParam)->StartDialog(hwnd);
}

void CPropertyPage::SetModified(BOOL changed) const
{
    ::SendMessageA(GetParent(), changed ? PSM_CHANGED : PSM_UNCHANGED,
                   reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() const
{
    ::SendMessageA(GetParent(), PSM_CANCELTOCLOSE, 0, 0);
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    return TRUE;
}

void CPropertyPage::OnReset()
{
}

LRESULT CPropertyPage::OnNotify(NMHDR* header)
{
    if (header->hwndFrom != GetParent())
        return Default();
    LRESULT result = 0;
    switch (header->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    default:
        return Default();
    }
    // The sheet reads the answer from the dialog's result slot.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return result;
}
