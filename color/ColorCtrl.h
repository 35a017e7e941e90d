// The composite control with which the user sets the hue of one colour: a
// caption, a sample box, a hue scroll bar (0 to 359) and the hue strip under
// it as a scale. It edits its owner's colour in place and posts
// WM_COLOR_CHANGED to its parent after every change. Its window text, its
// sample box's and its scroll bar's name the colour shown.
#pragma once

#include "color/ColorBar.h"
#include "color/ColorBox.h"
#include "framework/ScrollBar.h"
#include "model/HsbColor.h"

#include <string>
#include <vector>

class CColorCtrl : public CWnd {
public:
    // Ids of the parts inside the control.
    static const UINT kScrollBarId = 4096;
    static const UINT kColorBoxId = 4097;
    static const UINT kColorBarId = 4098;

    // Both are set before the window is created.
    void SetLabel(const std::string& label) { m_strLabel = label; }
    void SetColor(HsbColor* color);
    // Whether a double-click on the sample box opens the colour picker.
    void EnablePicker(BOOL allow) { m_wndColorBox.EnablePicker(allow); }
    // Shows the colour again after its owner changed it: the scroll bar moves
    // to its hue and the sample box is redrawn at once.
    void UpdateFromColor();
    // The sample box where it opens the picker, then the hue scroll bar.
    std::vector<HWND> GetTabStops() const override;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) override;

private:
    SIZE MeasureLabel() const;
    void ShowNames() const;

    int m_nMargin = 6;
    std::string m_strLabel;
    HsbColor* m_pColor = nullptr;
    RECT m_rcLabel = {};
    CColorBox m_wndColorBox;
    CColorBar m_wndColorBar;
    CScrollBar m_wndScrollBar;
};
