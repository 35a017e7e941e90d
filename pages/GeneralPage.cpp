#include "pages/GeneralPage.h"

#include "framework/PropertySheet.h"
#include "model/InstalledThemes.h"
#include "model/Notification.h"
#include "model/SettingsStore.h"
#include "model/SmcRendering.h"
#include "pages/ThemesPage.h"
#include "resource.h"
#include "services/ItemCaptions.h"
#include "services/MakerLibraries.h"
#include "services/TextCatalogue.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>

namespace {

const int kMinScaling = 80;
// The only MaxScaling value that widens the range.
const int kWideMaxScaling = 150;
const int kSmcMaxScaling = 200;
const int kSliderPageSize = 5;
// Bytes each of the page's values is read into, the terminating zero included.
const DWORD kNumberBufferSize = 32;
const int kApplyButton = 12321;
const int kColorSettingsPageIndex = 1;
const char kValueMaxScaling[] = "MaxScaling";
const char kValueScaling[] = "Scaling";
const char kValueSound[] = "Sound";
const char kValueTheme[] = "Theme";
const char kSoundOn[] = "On";
const char kSoundOff[] = "Off";

// Control, catalogue text.
const ItemCaption kCaptions[] = {
    {IDC_GENERAL_SOUND_ON, GENERAL_IDC_SOUND_ON},
    {IDC_GENERAL_SOUND_OFF, GENERAL_IDC_SOUND_OFF},
    {IDC_GENERAL_SOUND_GROUP, DLG_GENERAL_IDC_SOUND_GROUPBOX},
    {IDC_GENERAL_FONT_GROUP, DLG_GENERAL_IDC_ST_FONTSIZE},
    {IDC_GENERAL_SMALLER, GENERAL_IDC_ST_SMALLER},
    {IDC_GENERAL_LARGER, GENERAL_IDC_ST_LARGER},
    {IDC_GENERAL_THEME_GROUP, DLG_GENERAL_THEMES},
    {IDC_GENERAL_THEME_NOTE, TXT_THEME_CHANGED},
    {IDC_GENERAL_FONT_NOTE, DLG_FONT_CHANGED},
};

// The decimal number a text starts with, read as the shell reads one (blanks,
// a sign, digits): 0 without digits. Beyond the range of int it saturates, so
// that a huge number counts as large, not as whatever it wraps to.
int LeadingNumber(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> ReadNumberText(const char* name)
{
    const auto text = settings::ReadUserThenMachineString(settings::kAppearanceKey, name,
                                                          kNumberBufferSize);
    if (!text)
        return std::nullopt;
    return LeadingNumber(*text);
}

std::string PercentText(int percent)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d%%", percent);
    return text;
}

} // namespace

CGeneralPage::CGeneralPage()
    : CPropertyPage(IDD_GENERAL)
{
    SetTitle(GetTextString(DLG_GENERAL_CAPTION));
}

void CGeneralPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_GENERAL_FONT_SLIDER, m_sldFontSize);
    DDX_Text(dx, IDC_GENERAL_PERCENT, m_strPercent);
}

BOOL CGeneralPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_cbThemes.Attach(GetDlgItem(IDC_GENERAL_THEMES));
    ReadSettings();
    ShowSound();
    ShowScaling();
    SetCaptions();
    if (IsSmcRenderingEnabled())
        m_cbThemes.EnableWindow(FALSE);
    SetSheetButtonCaptions();
    const std::optional<std::vector<std::string>> themes = FillThemeList();
    if (!themes)
        return TRUE;
    m_strTheme = LibraryActiveTheme();
    HandThemeToColorSettings();
    SelectActiveTheme(*themes);
    return TRUE;
}

// Each value is the user's, else the machine's; a missing one keeps the
// field's initial value.
void CGeneralPage::ReadSettings()
{
    if (IsSmcRenderingEnabled())
        m_nMaxScaling = kSmcMaxScaling;
    else if (ReadNumberText(kValueMaxScaling) == kWideMaxScaling)
        m_nMaxScaling = kWideMaxScaling;
    if (const auto scaling = ReadNumberText(kValueScaling)) {
        m_nScaling = std::clamp(*scaling, kMinScaling, m_nMaxScaling);
        m_strPercent = PercentText(m_nScaling);
    }
    if (const auto sound = settings::ReadUserThenMachineString(settings::kAppearanceKey, kValueSound,
                                                               kNumberBufferSize))
        m_bSound = ::lstrcmpiA(sound->c_str(), "on") == 0;
}

void CGeneralPage::ShowSound() const
{
    ::CheckRadioButton(m_hWnd, IDC_GENERAL_SOUND_ON, IDC_GENERAL_SOUND_OFF,
                       m_bSound ? IDC_GENERAL_SOUND_ON : IDC_GENERAL_SOUND_OFF);
}

void CGeneralPage::ShowScaling() const
{
    m_sldFontSize.SetRange(0, m_nMaxScaling - kMinScaling, FALSE);
    m_sldFontSize.SetPageSize(kSliderPageSize);
    m_sldFontSize.SetPos(m_nScaling - kMinScaling, TRUE);
    SetDlgItemText(IDC_GENERAL_PERCENT, m_strPercent);
}

void CGeneralPage::SetCaptions() const
{
    SetItemCaptions(m_hWnd, kCaptions);
}

void CGeneralPage::SetSheetButtonCaptions() const
{
    HWND sheet = GetParent();
    SetOkCancelCaptions(sheet);
    SetItemCaption(sheet, kApplyButton, TXT_TEXT_APPLY);
}

// In the registry's order, never sorted, although the list has the sorted
// style; "System Dependent" first and selected.
std::optional<std::vector<std::string>> CGeneralPage::FillThemeList() const
{
    auto themes = InstalledThemes();
    if (!themes)
        return std::nullopt;
    for (const std::string& theme : *themes)
        m_cbThemes.InsertString(-1, theme);
    m_cbThemes.InsertString(0, kSystemDependent);
    m_cbThemes.SetCurSel(0);
    return themes;
}

// The Color Settings page loads the active theme's settings when it shows.
void CGeneralPage::HandThemeToColorSettings() const
{
    if (IsSmcRenderingEnabled() || !GetSheet())
        return;
    if (auto* colorSettings = dynamic_cast<CThemesPage*>(GetSheet()->GetPage(kColorSettingsPageIndex)))
        colorSettings->SetThemeName(m_strTheme);
}

// The first entry that names the active theme, its default mark cut; none
// leaves "System Dependent" selected.
void CGeneralPage::SelectActiveTheme(const std::vector<std::string>& themes) const
{
    const int listed = FindThemeEntry(themes, m_strTheme);
    if (listed >= 0)
        m_cbThemes.SetCurSel(listed + 1);  // after "System Dependent"
}

BOOL CGeneralPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED && (id == IDC_GENERAL_SOUND_ON || id == IDC_GENERAL_SOUND_OFF)) {
        OnSoundChosen(id == IDC_GENERAL_SOUND_ON);
        return TRUE;
    }
    if (code == CBN_SELENDOK && id == IDC_GENERAL_THEMES) {
        OnThemeChosen();
        return TRUE;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

void CGeneralPage::OnSoundChosen(BOOL on)
{
    m_bSound = on;
    SetModified();
}

// Only an entry chosen from the list counts; text typed into the field never does.
void CGeneralPage::OnThemeChosen()
{
    const int selected = m_cbThemes.GetCurSel();
    if (selected < 0)
        return;
    const std::string theme = m_cbThemes.GetLBText(selected);
    if (theme == m_strTheme)
        return;
    m_strTheme = theme;
    SetModified();
}

void CGeneralPage::OnHScroll(UINT, UINT, HWND scrollBar)
{
    if (!scrollBar)
        return;
    if (scrollBar == m_sldFontSize.GetSafeHwnd())
        SetScaling(m_sldFontSize.GetPos() + kMinScaling);
    Default();
}

void CGeneralPage::SetScaling(int scaling)
{
    m_nScaling = scaling;
    m_strPercent = PercentText(scaling);
    SetDlgItemText(IDC_GENERAL_PERCENT, m_strPercent);
    SetModified();
}

// Runs on OK and on every Apply, changed or not.
BOOL CGeneralPage::OnApply()
{
    settings::WriteUserString(settings::kAppearanceKey, kValueSound, m_bSound ? kSoundOn : kSoundOff);
    settings::WriteUserString(settings::kAppearanceKey, kValueScaling, std::to_string(m_nScaling));
    // A page that never learnt a theme (no Themes key) keeps the stored one.
    if (!m_strTheme.empty())
        settings::WriteUserString(settings::kAppearanceKey, kValueTheme, m_strTheme);
    RmEnableSound(m_bSound);
    BroadcastSound(m_bSound != FALSE);
    return CPropertyPage::OnApply();
}
