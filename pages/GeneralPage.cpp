#include "pages/GeneralPage.h"

#include "frame/TextCatalogue.h"
#include "resource.h"

CGeneralPage::CGeneralPage()
    : CPropertyPage(IDD_GENERAL)
{
    SetTitle(GetTextString(DLG_GENERAL_CAPTION));
}
