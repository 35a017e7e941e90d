// The Color Settings page of the customizing sheet.
#pragma once

#include "framework/PropertyPage.h"

class CThemesPage : public CPropertyPage {
public:
    CThemesPage();
};
