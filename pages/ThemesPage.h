// The Color Settings page of the customizing sheet.
#pragma once

#include "framework/PropertyPage.h"

#include <string>

class CThemesPage : public CPropertyPage {
public:
    CThemesPage();

    // The visual theme whose colour settings the page shows; the General page
    // hands in the active theme while it initialises.
    void SetThemeName(const std::string& name) { m_strThemeName = name; }
    const std::string& GetThemeName() const { return m_strThemeName; }

private:
    std::string m_strThemeName;
};
