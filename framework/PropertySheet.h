// A modal property sheet of the common controls over CPropertyPage objects
// that the caller owns.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

#include <string>
#include <vector>

class CPropertyPage;

class CPropertySheet : public CWnd {
public:
    // The caption as a string resource of the module, or as text.
    CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    BOOL SetActivePage(CPropertyPage* page) const;

    // What the sheet answered: -1 when it could not be created.
    virtual INT_PTR DoModal();

protected:
    // Runs once when the sheet's window exists, before it is shown. The
    // control has created the window already, so the default answers 0; -1
    // closes the sheet at once.
    int OnCreate(CREATESTRUCTA* cs) override;
    // Tab goes along the active page's tab order.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    void OnSheetWindow(HWND hwnd);

    std::string m_strCaption;
    CWnd* m_pParentWnd;
    UINT m_nStartPage;
    std::vector<CPropertyPage*> m_pages;
};
