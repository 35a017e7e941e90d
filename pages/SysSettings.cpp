#include "pages/SysSettings.h"

#include "model/Notification.h"
#include "model/SettingsStore.h"
#include "pages/SettingsList.h"
#include "resource.h"
#include "services/ItemCaptions.h"
#include "services/MakerLibraries.h"
#include "services/TextCatalogue.h"

namespace {

const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY
                         | LBS_NOINTEGRALHEIGHT;
const DWORD kHeadingStyle = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP;
const DWORD kPreviewStyle = WS_CHILD | WS_VISIBLE;
// Layout, in pixels of the client area.
const int kMargin = 8;
const int kColumnWidth = CThemePreviewWnd::kWidth;
const int kPreviewHeight = CThemePreviewWnd::kHeight;
const int kHeadingHeight = 23;
const int kListTopOffset = kHeadingHeight + 4;
// Entry 0 is "Color resetting" whenever there are settings to list.
const int kResetEntry = 0;
// The library is told one byte less than its name buffers hold.
template <class Get>
std::string AskLibrary(Get get)
{
    return AskLibraryName(get, kLibraryNameBufferSize - 1);
}

// The catalogue text with its %s replaced by the argument. A translation is
// never used as a format, so whatever else it holds is shown as it is.
std::string FillIn(std::string text, const std::string& argument)
{
    const size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

void MoveControl(const CWnd& control, int left, int top, int right, int bottom)
{
    ::SetWindowPos(control.GetSafeHwnd(), nullptr, left, top, right - left, bottom - top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CSysSettings::CSysSettings(DWORD value, const char* system)
    : CDialog(IDD_SYSSETTINGS),
      m_pWorkSetting(std::make_unique<CTheme>()),
      m_strSystem(system ? system : ""),
      m_system(system),
      m_dwValue(value)
{
}

BOOL CSysSettings::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!CreateControls())
        return FALSE;
    LayOutControls();
    m_strThemeName = AskLibrary(&RmGetCurrentThreadTheme);
    const std::string firstSetting = FirstColorSetting();
    if (!m_themeManager.Reload(m_strThemeName.c_str(), firstSetting.c_str(), HKEY_CURRENT_USER,
                               settings::kThemesKey))
        return FALSE;
    m_pCustom = m_themeManager.GetCustomSetting();
    if (CTheme* active = m_themeManager.GetActiveColorSetting()) {
        RmApplyColorsNoRegSave(MainLibraryColors(*active).data());
        FillList(active);
    }
    m_wndPreview.LoadPreviewBitmap(m_strThemeName.c_str());
    SetTexts();
    return TRUE;
}

bool CSysSettings::CreateControls()
{
    m_hFont = GetFont();
    if (!m_hFont)
        return false;
    SetFont(m_hFont);
    const RECT provisional = {0, 0, 10, 10};
    const auto created = [&](CWnd& control, const char* className, DWORD style, UINT id) {
        if (!control.Create(className, "", style, provisional, this, id))
            return false;
        control.SetFont(m_hFont);
        return true;
    };
    return created(m_lstSettings, "LISTBOX", kListStyle, kSettingsListId)
           && created(m_stcLabel, "STATIC", kHeadingStyle, kHeadingId)
           && created(m_wndPreview, CWnd::DefaultClassName(), kPreviewStyle, kPreviewId);
}

// The preview at the top right, the heading at the top left and the list
// below it, down to the preview's bottom.
void CSysSettings::LayOutControls() const
{
    const RECT client = GetClientRect();
    const int left = client.left + kMargin;
    const int top = client.top + kMargin;
    const int right = client.right - kMargin;
    MoveControl(m_wndPreview, right - kColumnWidth, top, right, top + kPreviewHeight);
    MoveControl(m_stcLabel, left, top, left + kColumnWidth, top + kHeadingHeight);
    MoveControl(m_lstSettings, left, top + kListTopOffset, left + kColumnWidth, top + kPreviewHeight);
}

void CSysSettings::OnSize(UINT, int, int)
{
    Default();
    if (m_lstSettings.GetSafeHwnd() && m_stcLabel.GetSafeHwnd() && m_wndPreview.GetSafeHwnd())
        LayOutControls();
}

std::string CSysSettings::FirstColorSetting() const
{
    const std::string systemTheme = AskLibrary([this](char* name, int size) {
        return RmGetThemeBySystem(m_strSystem.c_str(), name, size);
    });
    if (systemTheme == m_strThemeName)
        return m_system.ReadActiveColorSetting();
    return AskLibrary(&RmGetCurrentThreadColor);
}

// "Color resetting" first when there is anything to reset to, then the
// settings in the manager's order.
void CSysSettings::FillList(CTheme* active)
{
    m_lstSettings.ResetContent();
    if (m_themeManager.GetColorSettingCount() > 0)
        m_lstSettings.AddString(GetTextString(TXT_COLOR_RESETTING));
    AddColorSettings(m_lstSettings, m_themeManager, active);
    SelectColorSetting(active);
}

void CSysSettings::SelectColorSetting(CTheme* setting)
{
    m_pSelected = setting;
    m_pWorkSetting->Copy(*setting);
    m_colors = MainLibraryColors(*m_pWorkSetting);
    RmApplyColorsForPreview(m_colors.data());
    m_wndPreview.RedrawNow();
}

BOOL CSysSettings::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == kSettingsListId && code == LBN_SELCHANGE) {
        OnSelectionChanged();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

// Choosing "Color resetting", or losing the selection, keeps the preview.
void CSysSettings::OnSelectionChanged()
{
    const int entry = m_lstSettings.GetCurSel();
    if (entry <= kResetEntry)
        return;
    if (auto* setting = static_cast<CTheme*>(m_lstSettings.GetItemDataPtr(entry)))
        SelectColorSetting(setting);
}

void CSysSettings::SetTexts() const
{
    SetWindowText(GetTextString(TXT_SYSTEM_SETTING));
    m_stcLabel.SetWindowText(FillIn(GetTextString(TXT_COLOR_SETTING_FOR), m_strSystem));
    SetOkCancelCaptions(m_hWnd);
}

// Nothing is stored, deleted or told when no setting was ever shown (the
// initialisation ended early) or when the name cannot be a system's key.
void CSysSettings::OnOK()
{
    if (m_pSelected && m_system.IsValid()) {
        if (m_lstSettings.GetCurSel() == kResetEntry)
            m_system.Reset();
        else
            StoreSelected();
        BroadcastSystemColors();
    }
    EndDialog(IDOK);
}

// No entry selected stores the setting shown last.
void CSysSettings::StoreSelected()
{
    if (m_pSelected == m_pCustom)
        m_pCustom->Copy(*m_pWorkSetting);
    m_themeManager.SetActiveColorSetting(m_pSelected, false);
    RmApplyColors(m_colors.data(), m_strThemeName.c_str());
    m_system.Store(m_strThemeName, m_pSelected->GetName());
}
