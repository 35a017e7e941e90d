// The dialog in which the user gives one back-end system a colour setting of
// the calling thread's visual theme, or resets the system to the general
// setting. It lists the theme's settings, previews the chosen one, and on OK
// stores the choice under the system's key and tells the front end.
#pragma once

#include "color/ThemePreviewWnd.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "framework/Static.h"
#include "model/LibraryColors.h"
#include "model/SystemSettings.h"
#include "model/ThemeManager.h"

#include <memory>
#include <string>

class CSysSettings : public CDialog {
public:
    // Ids of the controls the dialog creates itself.
    static const UINT kSettingsListId = 4096;
    static const UINT kPreviewId = 4097;
    static const UINT kHeadingId = 65553;

    // value is kept and used nowhere; system names the system (null: none).
    CSysSettings(DWORD value, const char* system);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;

private:
    bool CreateControls();
    void LayOutControls() const;
    // The setting shown first: the system's own when the system uses the
    // thread's theme, else the thread's.
    std::string FirstColorSetting() const;
    void FillList(CTheme* active);
    void SelectColorSetting(CTheme* setting);
    void OnSelectionChanged();
    void SetTexts() const;
    void StoreSelected();

    CThemeManager m_themeManager;
    std::unique_ptr<CTheme> m_pWorkSetting;
    CTheme* m_pSelected = nullptr;  // shown in the preview; one of the manager's
    CTheme* m_pCustom = nullptr;
    HFONT m_hFont = nullptr;
    std::string m_strSystem;
    CSystemSettings m_system;
    DWORD m_dwValue;
    std::string m_strThemeName;
    LibraryColors m_colors = {};
    CStatic m_stcLabel;
    CListBox m_lstSettings;
    CThemePreviewWnd m_wndPreview;
};
