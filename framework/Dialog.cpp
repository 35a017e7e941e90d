#include "framework/Dialog.h"

#include "framework/ModuleState.h"

#include <algorithm>

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

INT_PTR CDialog::DoModal()
{
    return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                             GetSafeOwner(m_pParentWnd), &CDialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::StartDialog(HWND hwnd)
{
    SubclassWindow(hwnd);
    return Dispatch(WM_INITDIALOG, 0, 0);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    // Once bound, the window procedure handles everything; the dialog
    // procedure only starts the binding.
    if (message != WM_INITDIALOG || CWnd::FromHandle(hwnd))
        return FALSE;
    return reinterpret_cast<CDialog*>(lParam)->StartDialog(hwnd);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    // The dialog manager asks where Tab goes (lParam FALSE; wParam: backwards).
    if (message == WM_NEXTDLGCTL && !lParam && TabFrom(m_hWnd, wParam != 0))
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(UINT id, UINT code, HWND)
{
    if (code != BN_CLICKED)
        return FALSE;
    if (id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

BOOL CDialog::TabFrom(HWND top, BOOL previous) const
{
    std::vector<HWND> order = TabOrder();
    order.erase(std::remove_if(order.begin(), order.end(), [this](HWND control) { return !IsUsable(control); }),
                order.end());
    if (order.empty())
        return FALSE;
    HWND next = NextTabStop(order, top, ::GetFocus(), previous);
    // The keyboard is in use: focus cues show from now on.
    ::SendMessageA(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SendMessageA(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    return TRUE;
}

HWND CDialog::NextTabStop(const std::vector<HWND>& order, HWND top, HWND from, BOOL previous) const
{
    // Where Tab comes into the order, or round to its start again.
    HWND start = previous ? order.back() : order.front();
    const auto at = std::find(order.begin(), order.end(), from);
    if (at != order.end() && (previous ? at != order.begin() : at + 1 != order.end()))
        return previous ? *(at - 1) : *(at + 1);
    HWND usual = ::GetNextDlgTabItem(top, from == top ? nullptr : from, previous);
    if (at == order.end()) {
        // From a window outside the order, the dialog manager's way; but Tab
        // into this dialog comes to the order's start.
        const bool fromInside = ::IsChild(m_hWnd, from);
        const bool intoThis = !usual || ::IsChild(m_hWnd, usual);
        const bool dialogManagers = fromInside ? usual != nullptr : !intoThis;
        return dialogManagers ? usual : start;
    }
    // Past the order's end: on to the first stop outside this dialog (a
    // page's sheet goes on with its buttons), or round to the order's start.
    for (HWND stop = usual; stop;) {
        if (!::IsChild(m_hWnd, stop))
            return stop;
        stop = ::GetNextDlgTabItem(top, stop, previous);
        if (stop == usual)
            break;
    }
    return start;
}

bool CDialog::IsUsable(HWND control) const
{
    if (!::IsWindowVisible(control))
        return false;
    // A part of a disabled composite control cannot take the focus either.
    for (HWND window = control; window && window != m_hWnd; window = ::GetParent(window)) {
        if (!::IsWindowEnabled(window))
            return false;
    }
    return true;
}
