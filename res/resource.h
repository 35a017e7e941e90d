// Resource and control ids of the module. Shared by the resource script and
// the code; ids of controls created at run time stand with their classes.
#pragma once

#define IDI_QORTHMCUST 128

#define IDD_THEMES 130
#define IDD_GENERAL 131
#define IDD_SYSSETTINGS 135
#define IDD_COLORPICKER 208
#define IDD_SAVE 209
#define IDD_TIMEDAY 219

// General page
#define IDC_GENERAL_SOUND_ON 1009
#define IDC_GENERAL_SOUND_OFF 1010
#define IDC_GENERAL_SOUND_GROUP 1011
#define IDC_GENERAL_FONT_SLIDER 1019
#define IDC_GENERAL_FONT_GROUP 1020
#define IDC_GENERAL_SMALLER 1021
#define IDC_GENERAL_LARGER 1022
#define IDC_GENERAL_PERCENT 1024
#define IDC_GENERAL_THEME_GROUP 1025
#define IDC_GENERAL_THEMES 1027
#define IDC_GENERAL_THEME_NOTE 1028
#define IDC_GENERAL_FONT_NOTE 1029

// Color Settings page
#define IDC_THEMES_THEMES 1027
#define IDC_THEMES_THEME_LABEL 1029
#define IDC_THEMES_THEME_GROUP 1031
#define IDC_THEMES_SETTING_GROUP 1032

// Color picker dialog: the frames whose places the colour control and the
// picker field take
#define IDC_COLORPICKER_HUE_FRAME 201
#define IDC_COLORPICKER_FIELD_FRAME 202

// Save As dialog
#define IDC_SAVE_NAME 205

// Time dialog
#define IDC_TIMEDAY_DEFAULT 207
#define IDC_TIMEDAY_CUSTOM 208
#define IDC_TIMEDAY_TIME 209
#define IDC_TIMEDAY_SET_DEFAULT 210
#define IDC_TIMEDAY_DEFAULT_TIME 211
#define IDC_TIMEDAY_GROUP 1010
