// The General page of the customizing sheet.
#pragma once

#include "framework/PropertyPage.h"

class CGeneralPage : public CPropertyPage {
public:
    CGeneralPage();
};
