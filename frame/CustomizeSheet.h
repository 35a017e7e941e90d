// The customizing sheet: a property sheet with the module's icon that
// publishes its window handle to every process.
#pragma once

#include "framework/PropertySheet.h"

class CCustomizeSheet : public CPropertySheet {
public:
    CCustomizeSheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    CCustomizeSheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    HCURSOR OnQueryDragIcon() override;

private:
    static HICON LoadSheetIcon();

    HICON m_hIcon;  // shared resource icon: not destroyed
};
