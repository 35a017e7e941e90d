// The General page of the customizing sheet: the visual theme of new
// front-end windows, the font scaling in percent and the sound. It reads the
// three settings when it starts and writes them on every apply.
#pragma once

#include "framework/ComboBox.h"
#include "framework/PropertyPage.h"
#include "framework/SliderCtrl.h"

#include <optional>
#include <string>
#include <vector>

class CGeneralPage : public CPropertyPage {
public:
    CGeneralPage();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) override;

private:
    void ReadSettings();
    void ShowSound() const;
    void ShowScaling() const;
    void SetCaptions() const;
    void SetSheetButtonCaptions() const;
    // The themes listed after "System Dependent"; none when the user has no
    // Themes key: the list stays empty.
    std::optional<std::vector<std::string>> FillThemeList() const;
    void HandThemeToColorSettings() const;
    void SelectActiveTheme(const std::vector<std::string>& themes) const;
    void OnSoundChosen(BOOL on);
    void OnThemeChosen();
    void SetScaling(int scaling);

    CSliderCtrl m_sldFontSize;
    std::string m_strPercent = "100%";
    BOOL m_bSound = TRUE;
    int m_nScaling = 100;
    int m_nMaxScaling = 120;
    std::string m_strTheme;
    CComboBox m_cbThemes;
};
