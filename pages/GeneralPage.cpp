#include "pages/GeneralPage.h"

#include "resource.h"
#include "services/TextCatalogue.h"

CGeneralPage::CGeneralPage()
    : CPropertyPage(IDD_GENERAL)
{
    SetTitle(GetTextString(DLG_GENERAL_CAPTION));
}
