#include "pages/SaveDlg.h"

#include "framework/Edit.h"
#include "resource.h"
#include "services/ItemCaptions.h"
#include "services/TextCatalogue.h"

CSaveDlg::CSaveDlg(CWnd* parent)
    : CDialog(IDD_SAVE, parent)
{
}

void CSaveDlg::DoDataExchange(CDataExchange* dx)
{
    // A refused text does not replace the name, so Cancel after a refusal
    // still leaves the caller's name.
    std::string name = m_strName;
    DDX_Text(dx, IDC_SAVE_NAME, name);
    DDV_MaxChars(dx, name, kMaxNameLength);
    m_strName = name;
}

BOOL CSaveDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(GetTextString(DLG_SAVE_CAPTION));
    SetOkCancelCaptions(m_hWnd);

    CEdit edit;
    edit.Attach(GetDlgItem(IDC_SAVE_NAME));
    if (edit.GetSafeHwnd()) {
        edit.SetFocus();
        edit.SetSel(0, -1);
    }
    // The focus stays where it was put.
    return FALSE;
}
