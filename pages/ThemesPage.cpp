#include "pages/ThemesPage.h"

#include "resource.h"
#include "services/TextCatalogue.h"

CThemesPage::CThemesPage()
    : CPropertyPage(IDD_THEMES)
{
    SetTitle(GetTextString(DLG_THEMES_CAPTION));
}
