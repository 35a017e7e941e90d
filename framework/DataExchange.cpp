#include "framework/DataExchange.h"

#include "framework/Edit.h"
#include "framework/WinApp.h"

#include <cstdio>

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bEditLastControl = false;
    return m_hLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    PrepareCtrl(id);
    m_bEditLastControl = true;
    return m_hLastControl;
}

void CDataExchange::Fail() const
{
    if (m_bSaveAndValidate && m_hLastControl) {
        CEdit control;
        control.Attach(m_hLastControl);
        control.SetFocus();
        if (m_bEditLastControl)
            control.SetSel(0, -1);
    }
    throw CDataExchangeFailure{};
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.GetSafeHwnd())
        control.Attach(dx->PrepareCtrl(id));
}

void DDX_Text(CDataExchange* dx, int id, std::string& value)
{
    CWnd control;
    control.Attach(dx->PrepareEditCtrl(id));
    if (dx->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count)
{
    if (!dx->m_bSaveAndValidate) {
        CEdit edit;
        edit.Attach(dx->GetLastControl());
        edit.SetLimitText(count);
        return;
    }
    if (static_cast<int>(value.size()) <= count)
        return;
    char text[64];
    std::snprintf(text, sizeof(text), "Please enter no more than %d characters.", count);
    AfxMessageBox(text, MB_OK);
    dx->Fail();
}
