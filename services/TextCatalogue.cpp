#include "services/TextCatalogue.h"

#include "services/Globals.h"
#include "services/MakerLibraries.h"

namespace {

struct CatalogueEntry {
    const char* key;          // passed to the text library unchanged
    const char* defaultText;  // English, used when no translation is found
};

const CatalogueEntry kCatalogue[kTextCount] = {
    {"TNA_TOOLTIP_DEBUG", "Click right mouse button to close this application"},  // 0
    {"TNA_TOOLTIP_RELEASE", "Qor GUI Settings"},  // 1
    {"TXT_COLOR", "Color"},  // 2
    {"TXT_COLON", ":"},  // 3
    {"TXT_SEMICOLON", ";"},  // 4
    {"TXT_SALES", "Sales"},  // 5
    {"TXT_ITEM_OVERVIEW", "Item Overview"},  // 6
    {"TXT_THEME_CUST", "Qor GUI Settings"},  // 7
    {"TXT_DAY_DEFAULT", "day;default;default"},  // 8
    {"TXT_08_H", "08:00"},  // 9
    {"TXT_18_H", "18:00"},  // 10
    {"<#002>TXT_TEXT_SAVEAS", "Save As ..."},  // 11
    {"<#002>TXT_TEXT_DELETE", "Delete"},  // 12
    {"TXT_TEXT_COLOR_FORE", "Foreground Color"},  // 13
    {"TXT_TEXT_COLOR_BACK", "Background Color"},  // 14
    {"<#002>TXT_TEXT_ACTIVATE", "Activate Time Settings"},  // 15
    {"TXT_TEXT_ADJUST", "Adjust"},  // 16
    {"<#002>TXT_TEXT_START", "Start"},  // 17
    {"<#002>TXT_TEXT_END", "End"},  // 18
    {"TXT_TEXT_SHIFTBY", "Shift Colors By"},  // 19
    {"<#002>TXT_TEXT_RESET", "Restore"},  // 20
    {"<#002>TXT_TEXT_APPLYTO", "Systems..."},  // 21
    {"<#002>TXT_TEXT_APPLY", "Apply"},  // 22
    {"TXT_PROMPT_RESET", "This will restore the original default settings.\nSettings you have created will not be affected."},  // 23
    {"TXT_PROMPT_DELETE", "Do you want to delete this color setting?"},  // 24
    {"TXT_PROMPT_DELETE_FAILED", "Unable to delete color setting"},  // 25
    {"TXT_PROMPT_INVALIDNAME", "Enter a valid name."},  // 26
    {"TXT_CUSTOM_THEME", "[Custom Setting]"},  // 27
    {"TXT_CUSTOM_DERIVED_FROM", "Custom, Derived From "},  // 28
    {"TXT_DAY", "Day"},  // 29
    {"TXT_LINK", "<- Link ->"},  // 30
    {"TXT_SOUND_ON", "Sound On"},  // 31
    {"TXT_SOUND_OFF", "Sound Off"},  // 32
    {"TXT_ACTIVE_THEME", "Theme:"},  // 33
    {"TXT_THEME_SETTING", "Theme setting"},  // 34
    {"TXT_COLOR_SETTING", "Color setting"},  // 35
    {"TXT_COLOR_RESETTING", "Color resetting"},  // 36
    {"TXT_SYSTEM_SETTING", "System Settings"},  // 37
    {"<#001>TXT_TO", " to "},  // 38
    {"TXT_COLOR_SETTING_FOR", "Color setting for %s"},  // 39
    {"ERR_NO_VALID_NAME", "Enter a valid name."},  // 40
    {"ERR_NO_VALID_FORMAT", "Invalid format; use hh:mm"},  // 41
    {"ERR_OVERWRITE_WARNING1", "A setting with the name '"},  // 42
    {"ERR_OVERWRITE_WARNING2", "' already exists, \nwhich is not the current selection.\nAre you sure you want to overwrite it?"},  // 43
    {"ERR_CREATE_CONTROLS", "Unable to initialize application"},  // 44
    {"ERR_EXPORT", "Unable to export color setting"},  // 45
    {"DLG_SYSTEMS_CAPTION", "Apply Color Setting to System"},  // 46
    {"DLG_OK_BUTTON", "OK"},  // 47
    {"DLG_CANCEL_BUTTON", "Cancel"},  // 48
    {"DLG_EXPORT_CAPTION", "Export"},  // 49
    {"DLG_THEMES_CAPTION", "Color Settings"},  // 50
    {"DLG_SYSSETTINGS_CAPTION", "Apply Color Setting to System"},  // 51
    {"DLG_TIMEDAY_CAPTION", "Qor GUI Settings"},  // 52
    {"DLG_TIMEDAY_IDC_CHKDEFAULT", "Default"},  // 53
    {"DLG_TIMEDAY_IDC_CHKCUSTOM", "Custom"},  // 54
    {"DLG_TIMEDAY_IDC_BTNSETDEFAULT", "Set As Default"},  // 55
    {"DLG_TIMEDAY_IDC_GROUPBOX", "Time"},  // 56
    {"DLG_FONTS_CAPTION", "Fonts"},  // 57
    {"DLG_FONTS_IDC_TAB", "Tab1"},  // 58
    {"DLG_FONTS_IDC_FONT_SIZE_SMALL", "Small\nMaximum Information"},  // 59
    {"DLG_FONTS_IDC_FONT_SIZE_MEDIUM", "Medium\nEasy To Read"},  // 60
    {"DLG_FONTS_IDC_FONT_SIZE_LARGE", "Large\nPresentation"},  // 61
    {"DLG_GENERAL_CAPTION", "General"},  // 62
    {"<#001>GENERAL_IDC_SOUND_ON", "On"},  // 63
    {"<#001>GENERAL_IDC_SOUND_OFF", "Off"},  // 64
    {"DLG_GENERAL_IDC_SOUND_GROUPBOX", "Sound"},  // 65
    {"DLG_GENERAL_IDC_ST_FONTSIZE", "Font Size"},  // 66
    {"<#001>GENERAL_IDC_ST_SMALLER", "Smaller"},  // 67
    {"<#001>GENERAL_IDC_ST_LARGER", "Larger"},  // 68
    {"DLG_COLORPICKER_CAPTION", "Color Picker"},  // 69
    {"DLG_SAVE_CAPTION", "Save As ..."},  // 70
    {"<#003>MNU_CLOSE_APPLICATION", "Close"},  // 71
    {"<#003>MNU_OPEN_APPLICATION", "Customize Qor GUI Settings"},  // 72
    {"<#003>MNU_MINIMIZ_FRONTWINDOWS", "Minimize All Qor Sessions"},  // 73
    {"<#003>MNU_RESTORE_FRONTWINDOWS", "Undo Minimize Qor Sessions"},  // 74
    {"DLG_GENERAL_THEMES", "Active Theme"},  // 75
    {"TXT_THEME_CHANGED", "The theme selection change will take effect with the first new front-end mode you start."},  // 76
    {"DLG_FONT_CHANGED", "The font size change will take effect with the first new front-end mode you start."},  // 77
    {"<#001>FCUST_TAB1_OK_BTN", "OK"},  // 78
    {"<#001>FCUST_TAB1_CANCEL_BTN", "Cancel"},  // 79
    {"<#001>FCUST_TAB1_APPLY_BTN", "Apply"},  // 80
    {"<#001>FCUST_TAB1_HELP_BTN", "Help"},  // 81
    {"<#002>FCUST_TAB2_OK_BTN", "OK"},  // 82
    {"<#002>FCUST_TAB2_CANCEL_BTN", "Cancel"},  // 83
    {"<#002>FCUST_TAB2_HELP_BTN", "Help"},  // 84
    {"<#001>DLG_GENERAL_FRAME_THEMES", "Themes"},  // 85
    {"<#002>TXT_HIGH_CONTRAST", "Always use Jolly or High contrast"},  // 86
};

} // namespace

const char* GetText(unsigned index)
{
    if (index >= kTextCount)
        return nullptr;
    const CatalogueEntry& entry = kCatalogue[index];
    return QorPcTxtRead(g_hTextModule, entry.key, entry.defaultText);
}

char GetTextChar(unsigned index)
{
    const char* text = GetText(index);
    return text ? text[0] : '\0';
}

std::string GetTextString(unsigned index)
{
    const char* text = GetText(index);
    return text ? text : "";
}
