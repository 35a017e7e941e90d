// The Color Settings page of the customizing sheet: the visual theme at the
// top, and below it the named colour settings of that theme, which the user
// picks, previews live, edits and applies. Every control below the theme
// choice is created by the page and placed in pixels inside the "Color
// setting" group box.
//
// The page edits a working copy of the shown setting, never a stored one: the
// colour and time controls point at the page's four anchors (foreground and
// background of the start and of the end pair), and each change flows back
// into the working copy and on to the preview.
#pragma once

#include "color/ColorCtrl.h"
#include "color/ThemePreviewWnd.h"
#include "color/TimeCtrl.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "framework/PropertyPage.h"
#include "framework/Static.h"
#include "model/LibraryColors.h"
#include "model/Theme.h"

#include <memory>
#include <string>
#include <vector>

class CThemesPage : public CPropertyPage {
public:
    // Ids of the controls the page creates. An id above 65535 reaches the
    // command handlers as its low 16 bits; ids need not be unique, nothing
    // looks these controls up by id.
    static const UINT kSettingsListId = 4096;
    static const UINT kActivateId = 0x10014;
    static const UINT kSaveAsId = 4103;
    static const UINT kDeleteId = 4104;
    static const UINT kRestoreId = 0x10018;
    static const UINT kLinkId = 4102;
    static const UINT kSettingNameId = 0x10011;
    static const UINT kPreviewId = 4097;
    static const UINT kStartId = 4105;
    static const UINT kEndId = 0x10010;
    static const UINT kForegroundId = 4098;
    static const UINT kBackgroundId = 4099;
    static const UINT kTimeCtrlId = 4098;
    static const UINT kShiftById = 0x10015;
    static const UINT kDayStartId = 0x10016;
    static const UINT kDayEndId = 0x10017;

    // The schedule stays suspended from construction to destruction: the
    // page runs it itself when it applies.
    CThemesPage();
    ~CThemesPage() override;

    // The visual theme whose colour settings the page shows; the General page
    // hands in the active theme while it initialises.
    void SetThemeName(const std::string& name) { m_strThemeName = name; }
    const std::string& GetThemeName() const { return m_strThemeName; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Makes the shown setting the active one, hands its colours to the theme
    // library, records the scheduled theme and setting and tells every
    // front-end window. Always TRUE.
    BOOL OnApply() override;
    void OnPaint() override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Tab follows the page as it is seen, row by row, left to right.
    std::vector<HWND> TabOrder() const override;

private:
    // Creation, layout and the theme list.
    bool CreateControls();
    // A child in the sheet's font; false when it could not be made.
    bool CreateChild(CWnd& control, const char* className, UINT id, DWORD style, const std::string& caption = "");
    bool CreateButton(CButton& button, UINT id, DWORD style, const std::string& caption);
    void LayoutControls();
    void FillThemeList();
    void FillSettingsList(const CTheme* active);
    // After a reload of the manager by someone else (the host's
    // QorThemeReinit while the sheet is open), fetches the settings anew.
    void FetchSettingsAfterReload();
    void OnThemeSelEndOk();
    void EnableEditing(BOOL enable);

    // Selection, editing and preview.
    void SelectColorSetting(CTheme* setting, BOOL modified);
    void SetCustomized(BOOL customized);
    // current: a colour control that shows its colour already (the one that
    // told of the change).
    void RefreshPreview(const CWnd* current = nullptr);
    void ReadAnchors();
    void WriteAnchors();
    // Background hue minus foreground hue of each pair, signed, before wrapping.
    void TakeHueDifferences();
    void WrapAnchors();
    void LinkHues(BOOL startPair, BOOL foregroundChanged);
    static void WrapHue(HsbColor& color);
    // Sets or clears only the visible bit of the window's style (no showing,
    // hiding or repainting); answers the previous bit.
    static BOOL SetVisibleFlag(const CWnd& window, BOOL visible);
    // Delete acts on a listed setting the user may remove: never on a
    // write-protected one, nor on the custom or a derived setting.
    bool DeleteCanAct() const;
    void SetDeleteEnabled(bool enable);
    void OnSelChangeSettings();
    LRESULT OnColorChanged(WPARAM sender);
    void OnLinkClicked();
    // The buttons and check boxes; false for a control that is none of them.
    bool OnButtonClicked(UINT id);

    // Save As, Delete and Restore.
    void OnSaveAs();
    void OnDelete();
    void OnRestore();
    // The trimmed name the user typed, asked again while it is no name a
    // setting can be stored under; empty when the user cancelled.
    std::string AskSettingName() const;
    // Store first, then list and select: a setting that could not be stored
    // gets no entry. Answer the stored setting, or null.
    CTheme* SaveOverListed(int entry, const CTheme& record);
    CTheme* SaveNewSetting(std::unique_ptr<CTheme> record);
    void ForgetUnlisted(const CTheme* setting);
    // A message box of the page with the sheet's caption.
    int AskUser(unsigned text, UINT type) const;

    // The day schedule's controls.
    void ShowTimeControls(BOOL on);
    void SetEditEnd(BOOL end);
    // Start and end as written in a time settings string; a string without
    // the separator leaves both as they are.
    static void SplitTimeSettings(const std::string& timeSettings, std::string& start, std::string& end);
    static std::string BuildTimeSettings(const std::string& start, const std::string& end);
    void OnActivateTime();
    void OnStartClicked();
    void OnEndClicked();
    void OnDayStart();
    void OnDayEnd();
    // Runs the time dialog on one end of the day; time is m_strDayStart or m_strDayEnd.
    void EditDayTime(BOOL start, std::string& time);

    std::unique_ptr<CTheme> m_pWorkSetting;
    CTheme* m_pSelected = nullptr;  // a setting of the manager's list, or its custom setting
    CTheme* m_pCustom;
    // Settings saved under a key that existed without the manager listing
    // them: the manager leaves them to the page, which keeps them while its
    // list points at them.
    std::vector<std::unique_ptr<CTheme>> m_unlistedSettings;
    unsigned m_nListGeneration = 0;  // the manager's generation the list was filled from
    HFONT m_hFont = nullptr;        // the sheet's
    BOOL m_bCustomized = FALSE;
    std::string m_strDerivedFrom;
    HsbColor m_hsbForeStart;
    HsbColor m_hsbBackStart;
    HsbColor m_hsbForeEnd;
    HsbColor m_hsbBackEnd;
    std::string m_strThemeName;
    // A setting without the separator in its time settings shows these as
    // they were: the theme's default times at first.
    std::string m_strDayStart;
    std::string m_strDayEnd;
    LibraryColors m_mainColors = {};
    LibraryColors m_shiftColors = {};
    BOOL m_bTimeActivated = FALSE;
    BOOL m_bLinked = TRUE;
    BOOL m_bEditEnd = FALSE;
    int m_nHueDiffStart = 0;
    int m_nHueDiffEnd = 0;
    RECT m_rcAdjustLabel = {};
    RECT m_rcLinkLabel = {};
    RECT m_rcShiftLabel = {};

    CComboBox m_cboThemes;
    CListBox m_lstSettings;
    CButton m_chkActivate;
    CButton m_btnSaveAs;
    CButton m_btnDelete;
    CButton m_btnRestore;
    CButton m_chkLink;
    CStatic m_stcSettingName;
    CThemePreviewWnd m_wndPreview;
    CButton m_rdoStart;
    CButton m_rdoEnd;
    CColorCtrl m_ctlForeground;
    CColorCtrl m_ctlBackground;
    CTimeCtrl m_timeForeground;
    CTimeCtrl m_timeBackground;
    CComboBox m_cboShiftBy;
    CButton m_btnDayStart;
    CButton m_btnDayEnd;
};
