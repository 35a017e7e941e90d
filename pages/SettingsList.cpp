#include "pages/SettingsList.h"

#include "model/ThemeManager.h"

void AddColorSettings(const CListBox& list, const CThemeManager& manager, const CTheme* active)
{
    for (int index = 0; index < manager.GetColorSettingCount(); ++index) {
        CTheme* setting = manager.GetColorSetting(index);
        const int entry = setting ? list.AddString(setting->GetName()) : LB_ERR;
        if (entry < 0)
            continue;
        list.SetItemDataPtr(entry, setting);
        if (setting == active)
            list.SetCurSel(entry);
    }
}
