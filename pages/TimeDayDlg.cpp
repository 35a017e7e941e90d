#include "pages/TimeDayDlg.h"

#include "framework/WinApp.h"
#include "model/Schedule.h"
#include "model/ThemeManager.h"
#include "resource.h"
#include "services/Globals.h"
#include "services/ItemCaptions.h"
#include "services/TextCatalogue.h"

namespace {

const ItemCaption kItemTexts[] = {
    {IDC_TIMEDAY_GROUP, DLG_TIMEDAY_IDC_GROUPBOX},
    {IDC_TIMEDAY_DEFAULT, DLG_TIMEDAY_IDC_CHKDEFAULT},
    {IDC_TIMEDAY_CUSTOM, DLG_TIMEDAY_IDC_CHKCUSTOM},
    {IDC_TIMEDAY_SET_DEFAULT, DLG_TIMEDAY_IDC_BTNSETDEFAULT},
};

} // namespace

CTimeDayDlg::CTimeDayDlg(BOOL start, CWnd* parent)
    : CDialog(IDD_TIMEDAY, parent), m_bStart(start)
{
}

bool CTimeDayDlg::IsValidTime(const std::string& text)
{
    return ::IsValidTime(text, GetTextChar(TXT_COLON));
}

void CTimeDayDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TIMEDAY_SET_DEFAULT, m_btnSetDefault);
    DDX_Control(dx, IDC_TIMEDAY_DEFAULT_TIME, m_stDefault);
    DDX_Control(dx, IDC_TIMEDAY_TIME, m_edtTime);
    if (!dx->m_bSaveAndValidate) {
        DDX_Text(dx, IDC_TIMEDAY_TIME, m_strTime);
        return;
    }
    if (IsDlgButtonChecked(IDC_TIMEDAY_DEFAULT)) {
        m_strTime = kDefaultTimeText;
        return;
    }
    std::string time;
    DDX_Text(dx, IDC_TIMEDAY_TIME, time);
    if (!IsValidTime(time)) {
        AfxMessageBox(GetTextString(ERR_NO_VALID_FORMAT), MB_OK);
        // The edit comes back focused with its text selected for retyping.
        dx->Fail();
    }
    m_strTime = time;
}

BOOL CTimeDayDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTexts();
    m_stDefault.SetWindowText(m_bStart ? g_themeManager.GetDefaultDayStart()
                                       : g_themeManager.GetDefaultDayEnd());
    const bool custom = !IsDefaultTime(m_strTime);
    if (!custom)
        m_edtTime.SetWindowText("");
    SetCustomMode(custom);
    return TRUE;
}

void CTimeDayDlg::SetTexts() const
{
    SetWindowText(GetTextString(DLG_TIMEDAY_CAPTION));
    SetItemCaptions(m_hWnd, kItemTexts);
    SetOkCancelCaptions(m_hWnd);
}

void CTimeDayDlg::SetCustomMode(bool custom) const
{
    CheckRadioButton(IDC_TIMEDAY_DEFAULT, IDC_TIMEDAY_CUSTOM,
                     custom ? IDC_TIMEDAY_CUSTOM : IDC_TIMEDAY_DEFAULT);
    m_btnSetDefault.EnableWindow(custom);
    m_edtTime.EnableWindow(custom);
}

BOOL CTimeDayDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (code != BN_CLICKED)
        return CDialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_TIMEDAY_DEFAULT:
    case IDC_TIMEDAY_CUSTOM:
        SetCustomMode(id == IDC_TIMEDAY_CUSTOM);
        return TRUE;
    case IDC_TIMEDAY_SET_DEFAULT:
        OnSetDefault();
        return TRUE;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

void CTimeDayDlg::OnSetDefault()
{
    const std::string time = m_edtTime.GetWindowText();
    if (!IsValidTime(time))
        return;
    if (m_bStart)
        g_themeManager.SetDefaultDayStart(time);
    else
        g_themeManager.SetDefaultDayEnd(time);
    m_stDefault.SetWindowText(time);
    m_edtTime.SetWindowText("");
    SetCustomMode(false);
    // The button that had the focus is disabled now: the chosen radio takes it.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_TIMEDAY_DEFAULT)), TRUE);
}
