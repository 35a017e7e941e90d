#include "color/ColorPickerDlg.h"

#include "color/ColorChanged.h"
#include "resource.h"
#include "services/ItemCaptions.h"
#include "services/ModuleMessageBox.h"
#include "services/TextCatalogue.h"

CColorPickerDlg::CColorPickerDlg(int hue, int saturation, int brightness, CWnd* parent)
    : CDialog(IDD_COLORPICKER, parent),
      m_color{hue, saturation, brightness},
      m_strLabel(GetTextString(TXT_COLOR))
{
}

BOOL CColorPickerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTexts();

    const std::string label = m_strLabel + GetTextString(TXT_COLON);
    m_wndColorCtrl.SetLabel(label);
    m_wndColorCtrl.SetColor(&m_color);
    // No picker opens from inside the picker.
    m_wndColorCtrl.EnablePicker(FALSE);
    CreateControl(m_wndColorCtrl, IDC_COLORPICKER_HUE_FRAME, kColorCtrlId);

    m_wndPicker.SetColor(&m_color);
    m_wndPicker.SetLabel(label);
    CreateControl(m_wndPicker, IDC_COLORPICKER_FIELD_FRAME, kPickerId);
    return TRUE;
}

void CColorPickerDlg::SetTexts() const
{
    SetWindowText(GetTextString(DLG_COLORPICKER_CAPTION));
    SetOkCancelCaptions(m_hWnd);
}

RECT CColorPickerDlg::TakePlaceholder(int id) const
{
    HWND placeholder = GetDlgItem(id);
    RECT rect = {};
    if (!placeholder)
        return rect;
    ::GetWindowRect(placeholder, &rect);
    ::ShowWindow(placeholder, SW_HIDE);
    ::EnableWindow(placeholder, FALSE);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CColorPickerDlg::CreateControl(CWnd& control, int placeholderId, UINT id)
{
    const RECT rect = TakePlaceholder(placeholderId);
    if (control.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, this, id))
        return;
    // The dialog still opens, without the control.
    ModuleMessageBox(m_hWnd, ERR_CREATE_CONTROLS, MB_OK);
}

std::vector<HWND> CColorPickerDlg::TabOrder() const
{
    std::vector<HWND> order = m_wndColorCtrl.GetTabStops();
    order.insert(order.end(), {m_wndPicker.GetSafeHwnd(), GetDlgItem(IDOK), GetDlgItem(IDCANCEL)});
    return order;
}

LRESULT CColorPickerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COLOR_CHANGED)
        return CDialog::OnMessage(message, wParam, lParam);
    OnColorChanged(ColorChangedSender(wParam));
    return 0;
}

void CColorPickerDlg::OnColorChanged(const CWnd* sender)
{
    // The whole field depends on the hue; the sample box shows all three.
    // A control that could not be created is left alone.
    if (sender != &m_wndPicker && m_wndPicker.GetSafeHwnd())
        m_wndPicker.RedrawNow();
    if (sender != &m_wndColorCtrl)
        m_wndColorCtrl.UpdateFromColor();
}
