#include "pages/ThemesPage.h"

#include "color/ColorChanged.h"
#include "framework/GdiHandles.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "model/InstalledThemes.h"
#include "model/Notification.h"
#include "model/Schedule.h"
#include "model/SettingsStore.h"
#include "model/ThemeManager.h"
#include "pages/SaveDlg.h"
#include "pages/SettingsList.h"
#include "pages/TimeDayDlg.h"
#include "resource.h"
#include "services/Globals.h"
#include "services/ItemCaptions.h"
#include "services/MakerLibraries.h"
#include "services/ModuleMessageBox.h"
#include "services/TextCatalogue.h"

#include <algorithm>

namespace {

const HsbColor kInitialAnchor = {220, 23, 73};
const RECT kCreationRect = {0, 0, 10, 10};

// The layout inside the "Color setting" group box, in pixels.
const int kGroupCaption = 12;   // the box's caption row
const int kGroupInset = 8;
const int kColumn = CThemePreviewWnd::kWidth;  // the left and the right column
const int kPreviewHeight = CThemePreviewWnd::kHeight;
const int kRowHeight = 20;
const int kButtonHeight = 23;   // also the setting's name
const int kGap = 4;             // between rows
const int kButtonSideGap = 10;  // between the buttons and the columns
const int kColorGap = 8;        // between the list and the colour controls
const int kColorHeight = 80;
const int kLinkBox = 16;
const int kLinkBoxDrop = 40;    // below the colour controls' top
const int kTimeHeight = 60;
const int kStartLeft = 70;      // the radio buttons, into the right column
const int kStartRight = 120;
const int kEndLeft = 130;
const int kEndRight = 200;
const int kShiftByLeft = 108;   // the "Day" list, into the left column
const int kDropDownHeight = 150;
const int kTimeButtonWidth = 40;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kListStyle = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;
const DWORD kCheckBoxStyle = BS_CHECKBOX | WS_TABSTOP;
const DWORD kPushButtonStyle = BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kNameStyle = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;

// The template's own items.
const ItemCaption kTemplateCaptions[] = {
    {IDC_THEMES_THEME_GROUP, TXT_THEME_SETTING},
    {IDC_THEMES_THEME_LABEL, TXT_ACTIVE_THEME},
    {IDC_THEMES_SETTING_GROUP, TXT_COLOR_SETTING},
};

int Check(BOOL on)
{
    return on ? BST_CHECKED : BST_UNCHECKED;
}

// Every refresh states the enabling again; only a change is worth a call.
void SetEnabled(const CWnd& control, bool enable)
{
    if ((::IsWindowEnabled(control.GetSafeHwnd()) != FALSE) != enable)
        control.EnableWindow(enable);
}

// A caption set again unchanged would only repaint the button, at every hue step.
void ShowTime(const CButton& button, const std::string& time)
{
    if (button.GetWindowText() != time)
        button.SetWindowText(time);
}

void DrawLabel(HDC dc, const std::string& text, RECT rect, UINT alignment)
{
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_VCENTER | alignment);
}

std::string Trimmed(const std::string& text)
{
    const char kBlanks[] = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

CThemesPage::CThemesPage()
    : CPropertyPage(IDD_THEMES)
    , m_pWorkSetting(std::make_unique<CTheme>())
    , m_pCustom(g_themeManager.GetCustomSetting())
    , m_hsbForeStart(kInitialAnchor)
    , m_hsbBackStart(kInitialAnchor)
    , m_hsbForeEnd(kInitialAnchor)
    , m_hsbBackEnd(kInitialAnchor)
    , m_strDayStart(kDefaultTimeText)
    , m_strDayEnd(kDefaultTimeText)
{
    SetTitle(GetTextString(DLG_THEMES_CAPTION));
    g_themeManager.m_bScheduleSuspended = true;
}

CThemesPage::~CThemesPage()
{
    g_themeManager.m_bScheduleSuspended = false;
}

// --- creation, layout and the theme list -----------------------------------

bool CThemesPage::CreateChild(CWnd& control, const char* className, UINT id, DWORD style, const std::string& caption)
{
    if (!control.Create(className, caption.c_str(), kChild | style, kCreationRect, this, id))
        return false;
    control.SetFont(m_hFont, FALSE);
    return true;
}

bool CThemesPage::CreateButton(CButton& button, UINT id, DWORD style, const std::string& caption)
{
    return CreateChild(button, "BUTTON", id, style, caption);
}

bool CThemesPage::CreateControls()
{
    // The sheet's font; a page without a sheet has none.
    m_hFont = GetParentFont();
    if (!m_hFont)
        return false;
    SetFont(m_hFont, FALSE);
    const char* const ours = CWnd::DefaultClassName();
    const std::string colon = GetTextString(TXT_COLON);
    const std::string foreground = GetTextString(TXT_TEXT_COLOR_FORE) + colon;
    const std::string background = GetTextString(TXT_TEXT_COLOR_BACK) + colon;
    m_ctlForeground.SetLabel(foreground);
    m_ctlForeground.SetColor(&m_hsbForeStart);
    m_ctlBackground.SetLabel(background);
    m_ctlBackground.SetColor(&m_hsbBackStart);
    m_timeForeground.SetLabel(foreground);
    m_timeForeground.SetColors(&m_hsbForeStart, &m_hsbForeEnd);
    m_timeBackground.SetLabel(background);
    m_timeBackground.SetColors(&m_hsbBackStart, &m_hsbBackEnd);

    if (!CreateChild(m_lstSettings, "LISTBOX", kSettingsListId, kListStyle)
        || !CreateButton(m_chkActivate, kActivateId, kCheckBoxStyle, GetTextString(TXT_TEXT_ACTIVATE)))
        return false;
    m_chkActivate.SetCheck(BST_UNCHECKED);
    if (!CreateButton(m_btnSaveAs, kSaveAsId, kPushButtonStyle, GetTextString(TXT_TEXT_SAVEAS))
        || !CreateButton(m_btnDelete, kDeleteId, kPushButtonStyle, GetTextString(TXT_TEXT_DELETE))
        || !CreateButton(m_btnRestore, kRestoreId, kPushButtonStyle, GetTextString(TXT_TEXT_RESET))
        || !CreateButton(m_chkLink, kLinkId, kCheckBoxStyle | WS_GROUP, ""))
        return false;
    m_chkLink.SetCheck(Check(m_bLinked));
    if (!CreateChild(m_stcSettingName, "STATIC", kSettingNameId, kNameStyle)
        || !CreateChild(m_wndPreview, ours, kPreviewId, 0)
        || !CreateButton(m_rdoStart, kStartId, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, GetTextString(TXT_TEXT_START)))
        return false;
    m_rdoStart.SetCheck(Check(!m_bEditEnd));
    if (!CreateButton(m_rdoEnd, kEndId, BS_AUTORADIOBUTTON | WS_TABSTOP, GetTextString(TXT_TEXT_END)))
        return false;
    m_rdoEnd.SetCheck(Check(m_bEditEnd));
    if (!m_ctlForeground.Create(ours, "", kChild, kCreationRect, this, kForegroundId)
        || !m_ctlBackground.Create(ours, "", kChild, kCreationRect, this, kBackgroundId)
        || !m_timeForeground.Create(ours, "", kChild, kCreationRect, this, kTimeCtrlId)
        || !m_timeBackground.Create(ours, "", kChild, kCreationRect, this, kTimeCtrlId)
        || !CreateChild(m_cboShiftBy, "COMBOBOX", kShiftById, CBS_DROPDOWNLIST | WS_TABSTOP))
        return false;
    m_cboShiftBy.AddString(GetTextString(TXT_DAY));
    m_cboShiftBy.SetCurSel(0);
    if (!CreateButton(m_btnDayStart, kDayStartId, kPushButtonStyle, "")
        || !CreateButton(m_btnDayEnd, kDayEndId, kPushButtonStyle, ""))
        return false;
    if (g_themeManager.GetDisableSetting())
        EnableEditing(FALSE);
    return true;
}

BOOL CThemesPage::OnInitDialog()
{
    // A dialog's procedure sees no WM_CREATE: the page makes its controls as
    // soon as it is bound, and without them there is no page.
    if (!CreateControls()) {
        DestroyWindow();
        return FALSE;
    }
    CPropertyPage::OnInitDialog();
    m_cboThemes.Attach(GetDlgItem(IDC_THEMES_THEMES));
    QorCopyRegKey(HKEY_LOCAL_MACHINE, settings::kThemesKey, HKEY_CURRENT_USER, settings::kThemesKey, "", "", 0);
    if (!g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, settings::kThemesKey))
        return FALSE;
    if (const CTheme* active = g_themeManager.GetActiveColorSetting()) {
        RmApplyColorsNoRegSave(MainLibraryColors(*active).data());
        if (active->m_bTimeActivated)
            g_themeManager.ApplyScheduleNow();
    }
    FillThemeList();
    SetItemCaptions(m_hWnd, kTemplateCaptions);
    LayoutControls();
    return TRUE;
}

void CThemesPage::FillThemeList()
{
    const std::optional<std::vector<std::string>> themes = InstalledThemes();
    if (!themes)
        return;
    // Inserted, not added: the list keeps the registry's order although its
    // template asks for sorting.
    for (const std::string& theme : *themes)
        m_cboThemes.InsertString(-1, theme);
    m_strThemeName = ResolveSystemDependent(LibraryActiveTheme());
    // An active theme that is not listed leaves the first entry chosen.
    m_cboThemes.SetCurSel(std::max(FindThemeEntry(*themes, m_strThemeName), 0));
    RmLoadNewTheme(m_strThemeName.c_str());
}

void CThemesPage::LayoutControls()
{
    RECT group = {};
    ::GetWindowRect(GetDlgItem(IDC_THEMES_SETTING_GROUP), &group);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&group), 2);
    const int left = group.left + kGroupInset;
    const int top = group.top + kGroupCaption + kGroupInset;
    const int right = group.right - kGroupInset;
    const int rightColumn = right - kColumn;

    const RECT name = {left, top, left + kColumn, top + kButtonHeight};
    const RECT preview = {rightColumn, top, right, top + kPreviewHeight};
    const RECT list = {left, name.bottom + kGap, left + kColumn, preview.bottom};
    const RECT saveAs = {list.right + kButtonSideGap, top, preview.left - kButtonSideGap, top + kButtonHeight};
    const RECT remove = {saveAs.left, saveAs.bottom + kGap, saveAs.right, saveAs.bottom + kGap + kButtonHeight};
    const RECT restore = {saveAs.left, remove.bottom + kGap, saveAs.right, remove.bottom + kGap + kButtonHeight};
    const RECT foreground = {left, list.bottom + kColorGap, left + kColumn, list.bottom + kColorGap + kColorHeight};
    const RECT background = {rightColumn, foreground.top, right, foreground.bottom};
    const int linkLeft = foreground.right + (background.left - foreground.right - kLinkBox) / 2;
    const int linkTop = foreground.top + kLinkBoxDrop;
    const int activateTop = foreground.bottom + kGap;
    const int activateBottom = activateTop + kRowHeight;
    const int timeTop = activateBottom + kGap;
    const int shiftTop = timeTop + kTimeHeight + kGap;
    const int shiftBottom = shiftTop + kRowHeight;

    m_stcSettingName.Place(name);
    m_lstSettings.Place(list);
    m_wndPreview.Place(preview);
    m_btnSaveAs.Place(saveAs);
    m_btnDelete.Place(remove);
    m_btnRestore.Place(restore);
    m_chkActivate.Place(RECT{left, activateTop, left + kColumn, activateBottom});
    m_rdoStart.Place(RECT{rightColumn + kStartLeft, activateTop, rightColumn + kStartRight, activateBottom});
    m_rdoEnd.Place(RECT{rightColumn + kEndLeft, activateTop, rightColumn + kEndRight, activateBottom});
    m_ctlForeground.Place(foreground);
    m_ctlBackground.Place(background);
    m_chkLink.Place(RECT{linkLeft, linkTop, linkLeft + kLinkBox, linkTop + kLinkBox});
    m_timeForeground.Place(RECT{left, timeTop, left + kColumn, timeTop + kTimeHeight});
    m_timeBackground.Place(RECT{rightColumn, timeTop, right, timeTop + kTimeHeight});
    m_cboShiftBy.Place(RECT{left + kShiftByLeft, shiftTop, left + kColumn, shiftTop + kDropDownHeight});
    m_btnDayStart.Place(RECT{rightColumn, shiftTop, rightColumn + kTimeButtonWidth, shiftBottom});
    m_btnDayEnd.Place(RECT{right - kTimeButtonWidth, shiftTop, right, shiftBottom});

    m_rcAdjustLabel = RECT{rightColumn, activateTop, right, activateBottom};
    m_rcLinkLabel = RECT{foreground.right, linkTop - kRowHeight, background.left, linkTop - kGap};
    m_rcShiftLabel = RECT{left, shiftTop, right, shiftBottom};
}

std::vector<HWND> CThemesPage::TabOrder() const
{
    const CWnd* const rows[] = {
        &m_cboThemes,
        &m_lstSettings, &m_btnSaveAs, &m_btnDelete, &m_btnRestore,
        &m_ctlForeground, &m_chkLink, &m_ctlBackground,
        &m_chkActivate, &m_rdoStart, &m_rdoEnd,
        &m_cboShiftBy, &m_btnDayStart, &m_btnDayEnd,
    };
    std::vector<HWND> order;
    for (const CWnd* control : rows) {
        const std::vector<HWND> stops = control->GetTabStops();
        order.insert(order.end(), stops.begin(), stops.end());
    }
    return order;
}

BOOL CThemesPage::OnSetActive()
{
    g_themeManager.Reload(m_strThemeName.c_str(), nullptr, HKEY_CURRENT_USER, settings::kThemesKey);
    if (CTheme* active = g_themeManager.GetActiveColorSetting()) {
        FillSettingsList(active);
        SelectColorSetting(active, FALSE);
    }
    SetEditEnd(m_bEditEnd);
    m_wndPreview.LoadPreviewBitmap(m_strThemeName.c_str());
    return CPropertyPage::OnSetActive();
}

void CThemesPage::FillSettingsList(const CTheme* active)
{
    m_nListGeneration = g_themeManager.GetGeneration();
    m_lstSettings.ResetContent();
    m_unlistedSettings.clear();
    AddColorSettings(m_lstSettings, g_themeManager, active);
}

// The list's and the shown setting's records went with the reload. The shown
// setting is found again by its name, which the working copy carries while it
// is not derived; one that is gone leaves its colours as the custom setting.
// What the page shows and edits stays, and so does the entry the user chose.
void CThemesPage::FetchSettingsAfterReload()
{
    if (m_nListGeneration == g_themeManager.GetGeneration())
        return;
    const int chosen = m_lstSettings.GetCurSel();
    const std::string chosenText = chosen == LB_ERR ? "" : m_lstSettings.GetText(chosen);
    if (m_pSelected && m_pSelected != m_pCustom) {
        m_pSelected = g_themeManager.FindColorSetting(m_pWorkSetting->GetName(), g_themeManager.GetThemeName());
        if (!m_pSelected) {
            m_pWorkSetting->m_strName.clear();
            m_pSelected = m_pCustom;
        }
    }
    FillSettingsList(m_pSelected);
    if (!chosenText.empty())
        m_lstSettings.SetCurSel(m_lstSettings.FindStringExact(-1, chosenText));
}

void CThemesPage::OnThemeSelEndOk()
{
    const int entry = m_cboThemes.GetCurSel();
    if (entry == CB_ERR)
        return;
    const std::string theme = ThemeEntryName(m_cboThemes.GetLBText(entry));
    if (theme == m_strThemeName)
        return;
    m_strThemeName = theme;
    RmLoadNewTheme(theme.c_str());
    if (CPropertySheet* sheet = GetSheet()) {
        sheet->SetActivePage(this);
        OnApply();
        sheet->RedrawNow();
    }
    RedrawNow();
}

void CThemesPage::EnableEditing(BOOL enable)
{
    const CWnd* const editing[] = {&m_ctlForeground, &m_ctlBackground, &m_chkLink, &m_chkActivate,
                                   &m_btnSaveAs, &m_btnRestore};
    for (const CWnd* control : editing)
        SetEnabled(*control, enable);
    SetDeleteEnabled(enable && DeleteCanAct());
}

void CThemesPage::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    ::SetBkMode(dc.Get(), TRANSPARENT);
    const CSelection font(dc.Get(), m_hFont);
    if (m_bTimeActivated) {
        DrawLabel(dc.Get(), GetTextString(TXT_TEXT_ADJUST), m_rcAdjustLabel, DT_LEFT);
        DrawLabel(dc.Get(), GetTextString(TXT_TEXT_SHIFTBY), m_rcShiftLabel, DT_LEFT);
    }
    DrawLabel(dc.Get(), GetTextString(TXT_LINK), m_rcLinkLabel, DT_CENTER);
}

BOOL CThemesPage::OnCommand(UINT id, UINT code, HWND control)
{
    FetchSettingsAfterReload();
    if (id == kSettingsListId && code == LBN_SELCHANGE)
        OnSelChangeSettings();
    else if (id == IDC_THEMES_THEMES && code == CBN_SELENDOK)
        OnThemeSelEndOk();
    else if (code != BN_CLICKED || !OnButtonClicked(id))
        return CPropertyPage::OnCommand(id, code, control);
    return TRUE;
}

bool CThemesPage::OnButtonClicked(UINT id)
{
    // Keyed by the ids as commands carry them: their low 16 bits.
    static const struct {
        UINT id;
        void (CThemesPage::*handler)();
    } kButtons[] = {
        {kLinkId, &CThemesPage::OnLinkClicked},
        {kSaveAsId, &CThemesPage::OnSaveAs},
        {kDeleteId, &CThemesPage::OnDelete},
        {LOWORD(kRestoreId), &CThemesPage::OnRestore},
        {LOWORD(kActivateId), &CThemesPage::OnActivateTime},
        {kStartId, &CThemesPage::OnStartClicked},
        {LOWORD(kEndId), &CThemesPage::OnEndClicked},
        {LOWORD(kDayStartId), &CThemesPage::OnDayStart},
        {LOWORD(kDayEndId), &CThemesPage::OnDayEnd},
    };
    for (const auto& button : kButtons) {
        if (button.id == id) {
            (this->*button.handler)();
            return true;
        }
    }
    return false;
}

LRESULT CThemesPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETFONT && m_hFont)
        return reinterpret_cast<LRESULT>(m_hFont);
    if (message == WM_COLOR_CHANGED) {
        FetchSettingsAfterReload();
        return OnColorChanged(wParam);
    }
    return CPropertyPage::OnMessage(message, wParam, lParam);
}

// --- selection, editing and preview -----------------------------------------

void CThemesPage::SelectColorSetting(CTheme* setting, BOOL modified)
{
    if (!setting)
        return;
    m_pSelected = setting;
    SetCustomized(FALSE);
    m_pWorkSetting->Copy(*setting);
    ReadAnchors();
    SplitTimeSettings(m_pWorkSetting->GetTimeSettings(), m_strDayStart, m_strDayEnd);
    ShowTimeControls(m_pWorkSetting->m_bTimeActivated);
    const std::string name = m_pWorkSetting->GetName();
    m_stcSettingName.SetWindowText(name.empty() ? GetTextString(TXT_CUSTOM_THEME) : name);
    SetCustomized(FALSE);
    if (modified)
        SetModified(TRUE);
    RefreshPreview();
}

void CThemesPage::ReadAnchors()
{
    m_hsbForeStart = m_pWorkSetting->GetMainForeground();
    m_hsbBackStart = m_pWorkSetting->GetMainBackground();
    m_hsbForeEnd = m_pWorkSetting->GetShiftForeground();
    m_hsbBackEnd = m_pWorkSetting->GetShiftBackground();
    TakeHueDifferences();
    WrapAnchors();
}

void CThemesPage::TakeHueDifferences()
{
    m_nHueDiffStart = m_hsbBackStart.hue - m_hsbForeStart.hue;
    m_nHueDiffEnd = m_hsbBackEnd.hue - m_hsbForeEnd.hue;
}

void CThemesPage::WrapAnchors()
{
    for (HsbColor* anchor : {&m_hsbForeStart, &m_hsbBackStart, &m_hsbForeEnd, &m_hsbBackEnd})
        WrapHue(*anchor);
}

void CThemesPage::WriteAnchors()
{
    m_pWorkSetting->SetMainForeground(m_hsbForeStart.hue, m_hsbForeStart.saturation, m_hsbForeStart.brightness);
    m_pWorkSetting->SetMainBackground(m_hsbBackStart.hue, m_hsbBackStart.saturation, m_hsbBackStart.brightness);
    m_pWorkSetting->SetShiftForeground(m_hsbForeEnd.hue, m_hsbForeEnd.saturation, m_hsbForeEnd.brightness);
    m_pWorkSetting->SetShiftBackground(m_hsbBackEnd.hue, m_hsbBackEnd.saturation, m_hsbBackEnd.brightness);
}

void CThemesPage::SetCustomized(BOOL customized)
{
    if (!customized) {
        SetDeleteEnabled(!g_themeManager.GetDisableSetting() && DeleteCanAct());
        m_bCustomized = FALSE;
        return;
    }
    SetModified(TRUE);
    m_bCustomized = TRUE;
    m_lstSettings.SetCurSel(-1);
    SetDeleteEnabled(false);
    const std::string name = m_pWorkSetting->GetName();
    if (name.empty())
        return;  // the custom setting, or derived already
    m_stcSettingName.SetWindowText(GetTextString(TXT_CUSTOM_DERIVED_FROM) + name);
    m_strDerivedFrom = name;
    m_pWorkSetting->m_strName.clear();
    m_pSelected = m_pCustom;
}

bool CThemesPage::DeleteCanAct() const
{
    return m_pSelected && m_pSelected != m_pCustom && !m_pSelected->m_bWriteProtected;
}

void CThemesPage::SetDeleteEnabled(bool enable)
{
    // Only a change is worth a paint, made once: the switch itself happens
    // while the button counts as hidden.
    if ((::IsWindowEnabled(m_btnDelete.GetSafeHwnd()) != FALSE) == enable)
        return;
    const BOOL visible = SetVisibleFlag(m_btnDelete, FALSE);
    m_btnDelete.EnableWindow(enable);
    SetVisibleFlag(m_btnDelete, visible);
    m_btnDelete.RedrawNow();
}

BOOL CThemesPage::SetVisibleFlag(const CWnd& window, BOOL visible)
{
    HWND hwnd = window.GetSafeHwnd();
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR bit = WS_VISIBLE;
    ::SetWindowLongPtrA(hwnd, GWL_STYLE, visible ? (style | bit) : (style & ~bit));
    return (style & bit) != 0;
}

void CThemesPage::RefreshPreview(const CWnd* current)
{
    m_mainColors = MainLibraryColors(*m_pWorkSetting);
    m_shiftColors = ShiftLibraryColors(*m_pWorkSetting);
    RmApplyColorsForPreview((m_bEditEnd ? m_shiftColors : m_mainColors).data());
    ShowTime(m_btnDayStart, IsDefaultTime(m_strDayStart) ? g_themeManager.GetDefaultDayStart() : m_strDayStart);
    ShowTime(m_btnDayEnd, IsDefaultTime(m_strDayEnd) ? g_themeManager.GetDefaultDayEnd() : m_strDayEnd);
    EnableEditing(!g_themeManager.GetDisableSetting());
    for (CColorCtrl* control : {&m_ctlForeground, &m_ctlBackground}) {
        if (control != current)
            control->UpdateFromColor();
    }
    m_timeForeground.RedrawNow();
    m_timeBackground.RedrawNow();
    m_wndPreview.RedrawNow();
}

void CThemesPage::OnSelChangeSettings()
{
    const int entry = m_lstSettings.GetCurSel();
    if (entry != LB_ERR)
        SelectColorSetting(static_cast<CTheme*>(m_lstSettings.GetItemDataPtr(entry)), TRUE);
}

LRESULT CThemesPage::OnColorChanged(WPARAM sender)
{
    const CWnd* control = ColorChangedSender(sender);
    if (m_bLinked && (control == &m_ctlForeground || control == &m_ctlBackground))
        LinkHues(!m_bEditEnd, control == &m_ctlForeground);
    WriteAnchors();
    SetCustomized(TRUE);
    RefreshPreview(control);
    return 0;
}

void CThemesPage::LinkHues(BOOL startPair, BOOL foregroundChanged)
{
    HsbColor& fore = startPair ? m_hsbForeStart : m_hsbForeEnd;
    HsbColor& back = startPair ? m_hsbBackStart : m_hsbBackEnd;
    const int difference = startPair ? m_nHueDiffStart : m_nHueDiffEnd;
    if (foregroundChanged)
        back.hue = fore.hue + difference;
    else
        fore.hue = back.hue - difference;
    WrapAnchors();
}

void CThemesPage::WrapHue(HsbColor& color)
{
    // Steps of 359, not 360: -1 becomes 358 and 360 becomes 1, as the stored
    // settings were made.
    const int kHueStep = 359;
    if (color.hue < 0)
        color.hue += kHueStep;
    if (color.hue > kHueStep)
        color.hue -= kHueStep;
}

void CThemesPage::OnLinkClicked()
{
    TakeHueDifferences();
    m_bLinked = m_bLinked == TRUE ? FALSE : TRUE;
    m_chkLink.SetCheck(Check(m_bLinked));
}

// --- the day schedule's controls ----------------------------------------------

void CThemesPage::ShowTimeControls(BOOL on)
{
    m_pWorkSetting->m_bTimeActivated = on != FALSE;
    m_bTimeActivated = on;
    m_chkActivate.SetCheck(Check(on));
    if (!on && m_bEditEnd)
        SetEditEnd(FALSE);
    const CWnd* const scheduleControls[] = {&m_rdoStart, &m_rdoEnd, &m_timeForeground, &m_timeBackground,
                                            &m_cboShiftBy, &m_btnDayStart, &m_btnDayEnd};
    for (const CWnd* control : scheduleControls)
        control->ShowWindow(on ? SW_SHOW : SW_HIDE);
    // The painted labels of the schedule's rows appear or vanish with them.
    RECT rows = GetClientRect();
    RECT activate = m_chkActivate.GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&activate), 2);
    rows.top = activate.top;
    ::RedrawWindow(m_hWnd, &rows, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CThemesPage::SetEditEnd(BOOL end)
{
    m_bEditEnd = end;
    m_rdoStart.SetCheck(Check(!end));
    m_rdoEnd.SetCheck(Check(end));
    m_ctlForeground.SetColor(end ? &m_hsbForeEnd : &m_hsbForeStart);
    m_ctlBackground.SetColor(end ? &m_hsbBackEnd : &m_hsbBackStart);
    RefreshPreview();
}

void CThemesPage::SplitTimeSettings(const std::string& timeSettings, std::string& start, std::string& end)
{
    if (const auto times = ::SplitTimeSettings(timeSettings, GetTextString(TXT_SEMICOLON))) {
        start = times->start;
        end = times->end;
    }
}

std::string CThemesPage::BuildTimeSettings(const std::string& start, const std::string& end)
{
    const std::string separator = GetTextString(TXT_SEMICOLON);
    return GetTextString(TXT_DAY) + separator + start + separator + end;
}

void CThemesPage::OnActivateTime()
{
    SetCustomized(TRUE);
    ShowTimeControls(!m_pWorkSetting->m_bTimeActivated);
}

void CThemesPage::OnStartClicked()
{
    if (m_bEditEnd)
        SetEditEnd(FALSE);
}

void CThemesPage::OnEndClicked()
{
    if (!m_bEditEnd)
        SetEditEnd(TRUE);
}

void CThemesPage::OnDayStart()
{
    EditDayTime(TRUE, m_strDayStart);
}

void CThemesPage::OnDayEnd()
{
    EditDayTime(FALSE, m_strDayEnd);
}

void CThemesPage::EditDayTime(BOOL start, std::string& time)
{
    CTimeDayDlg dialog(start);
    dialog.m_strTime = time;
    if (dialog.DoModal() != IDOK)
        return;
    time = dialog.m_strTime.empty() ? kDefaultTimeText : dialog.m_strTime;
    m_pWorkSetting->m_strTimeSettings = BuildTimeSettings(m_strDayStart, m_strDayEnd);
    SetCustomized(TRUE);
    RefreshPreview();
}

// --- Save As, Delete and Restore ------------------------------------------------

int CThemesPage::AskUser(unsigned text, UINT type) const
{
    return ModuleMessageBox(m_hWnd, text, type);
}

std::string CThemesPage::AskSettingName() const
{
    CSaveDlg dialog;
    dialog.m_strName = m_bCustomized ? m_strDerivedFrom : m_pWorkSetting->GetName();
    while (dialog.DoModal() == IDOK) {
        const std::string name = Trimmed(dialog.m_strName);
        if (settings::IsSubkeyName(name))
            return name;
        AfxMessageBox(GetTextString(ERR_NO_VALID_NAME), MB_OK);
    }
    return {};
}

void CThemesPage::OnSaveAs()
{
    const std::string name = AskSettingName();
    if (name.empty())
        return;
    // The record to store: the working copy under the typed name, which
    // nobody's protection keeps from being overwritten or deleted.
    auto record = std::make_unique<CTheme>(*m_pWorkSetting);
    record->m_strName = name;
    record->m_bWriteProtected = false;
    const int entry = m_lstSettings.FindStringExact(-1, name);
    CTheme* saved = entry == LB_ERR ? SaveNewSetting(std::move(record)) : SaveOverListed(entry, *record);
    if (saved)
        SelectColorSetting(saved, TRUE);
}

CTheme* CThemesPage::SaveOverListed(int entry, const CTheme& record)
{
    // The same key in any letter case; the entry keeps its text.
    auto* target = static_cast<CTheme*>(m_lstSettings.GetItemDataPtr(entry));
    if (!target || !g_themeManager.SaveColorSetting(record))
        return nullptr;
    target->Copy(record);
    m_lstSettings.SetCurSel(entry);
    return target;
}

CTheme* CThemesPage::SaveNewSetting(std::unique_ptr<CTheme> record)
{
    CTheme* const saved = record.get();
    if (!g_themeManager.SaveColorSetting(record))
        return nullptr;
    if (record)
        m_unlistedSettings.push_back(std::move(record));
    const int entry = m_lstSettings.AddString(saved->GetName());
    if (entry >= 0) {
        m_lstSettings.SetItemDataPtr(entry, saved);
        m_lstSettings.SetCurSel(entry);
    }
    return saved;
}

void CThemesPage::ForgetUnlisted(const CTheme* setting)
{
    const auto found = std::find_if(m_unlistedSettings.begin(), m_unlistedSettings.end(),
                                    [setting](const std::unique_ptr<CTheme>& own) { return own.get() == setting; });
    if (found != m_unlistedSettings.end())
        m_unlistedSettings.erase(found);
}

void CThemesPage::OnDelete()
{
    const int entry = m_lstSettings.GetCurSel();
    if (entry == LB_ERR || AskUser(TXT_PROMPT_DELETE, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    if (!g_themeManager.DeleteColorSetting(m_pSelected, true)) {
        AskUser(TXT_PROMPT_DELETE_FAILED, MB_OK);
        return;
    }
    ForgetUnlisted(m_pSelected);
    m_pSelected = nullptr;
    m_lstSettings.DeleteString(entry);
    if (m_lstSettings.GetCount() == 0) {
        SelectColorSetting(m_pCustom, TRUE);
        m_stcSettingName.SetWindowText("");
        return;
    }
    const int neighbour = entry > 0 ? entry - 1 : 0;
    m_lstSettings.SetCurSel(neighbour);
    SelectColorSetting(static_cast<CTheme*>(m_lstSettings.GetItemDataPtr(neighbour)), TRUE);
}

void CThemesPage::OnRestore()
{
    if (AskUser(TXT_PROMPT_RESET, MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDOK)
        return;
    // The reload drops the manager's records but leaves the store alone, so
    // the user's own settings come back beside the shipped ones.
    QorCopyRegKey(HKEY_LOCAL_MACHINE, settings::kThemesKey, HKEY_CURRENT_USER, settings::kThemesKey, "", "", 1);
    g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, settings::kThemesKey);
    // The custom setting when nothing else is active.
    CTheme* const shown = g_themeManager.GetActiveColorSetting();
    FillSettingsList(shown);
    SelectColorSetting(shown, TRUE);
    CancelToClose();
    OnApply();
}

// --- applying ---------------------------------------------------------------

BOOL CThemesPage::OnApply()
{
    FetchSettingsAfterReload();
    // Nothing is shown when the manager had no active setting to load.
    if (!m_pSelected)
        return CPropertyPage::OnApply();
    if (m_pSelected == m_pCustom)
        m_pCustom->Copy(*m_pWorkSetting);
    g_themeManager.SetActiveColorSetting(m_pSelected, true);
    RmApplyColors(m_mainColors.data(), m_strThemeName.c_str());
    SendColorsToActiveWindow();
    BroadcastColorsFromProcess();
    const bool scheduled = m_pSelected->m_bTimeActivated;
    settings::WriteUserString(settings::kAppearanceKey, "HueShiftTheme", scheduled ? m_strThemeName : "");
    settings::WriteUserString(settings::kAppearanceKey, "HueShiftColor", scheduled ? m_pSelected->GetName() : "");
    BroadcastScheduleFromProcess();
    if (scheduled)
        g_themeManager.ApplyScheduleNow();
    return CPropertyPage::OnApply();
}
