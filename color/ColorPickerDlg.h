// The colour picker: a modal dialog (template 208) in which the user picks a
// colour completely, the hue with a colour control and saturation and
// brightness with the picker field, both working on the dialog's colour.
// The caller reads GetColor() after OK.
#pragma once

#include "color/ColorCtrl.h"
#include "color/ColorPicker.h"
#include "framework/Dialog.h"
#include "model/HsbColor.h"

#include <string>
#include <vector>

class CColorPickerDlg : public CDialog {
public:
    // Ids of the controls the dialog creates in place of its placeholders.
    static const UINT kColorCtrlId = 4096;
    static const UINT kPickerId = 4097;

    // The parent may be null: the owner is then the active window.
    CColorPickerDlg(int hue, int saturation, int brightness, CWnd* parent = nullptr);

    // The colour as the user left it; after Cancel it may differ from the
    // one given and is not meant to be used.
    const HsbColor& GetColor() const { return m_color; }

protected:
    BOOL OnInitDialog() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // As the dialog is seen: the hue, the field, then OK and Cancel below.
    std::vector<HWND> TabOrder() const override;

private:
    // Hides and disables a placeholder frame and answers its rectangle in
    // the dialog's client coordinates.
    RECT TakePlaceholder(int id) const;
    void SetTexts() const;
    void CreateControl(CWnd& control, int placeholderId, UINT id);
    void OnColorChanged(const CWnd* sender);

    HsbColor m_color;
    std::string m_strLabel;
    CColorCtrl m_wndColorCtrl;
    CColorPicker m_wndPicker;
};
