// A passive display of one colour over the day: the captions "Start" and
// "End" over a bar that blends the start colour into the end colour. The
// colours belong to the owner, who sets them before creating the control and
// invalidates it when they change.
#pragma once

#include "color/TimeBar.h"
#include "model/HsbColor.h"

#include <string>

class CTimeCtrl : public CWnd {
public:
    static const UINT kTimeBarId = 4097;

    // Reads the captions from the text catalogue.
    CTimeCtrl();

    void SetLabel(const std::string& label) { m_strLabel = label; }
    // Does not redraw.
    void SetColors(HsbColor* start, HsbColor* end);
    const HsbColor* GetStartColor() const { return m_pStartColor; }
    const HsbColor* GetEndColor() const { return m_pEndColor; }

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;

private:
    int m_nMargin = 5;
    int m_nSpacing = 10;
    HsbColor* m_pStartColor = nullptr;
    HsbColor* m_pEndColor = nullptr;
    std::string m_strLabel;  // kept for the owner, not drawn
    std::string m_strStart;
    std::string m_strEnd;
    CTimeBar m_wndTimeBar;
    RECT m_rcText = {};
};
