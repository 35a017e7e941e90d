#include "pages/ThemesPage.h"

#include "frame/TextCatalogue.h"
#include "resource.h"

CThemesPage::CThemesPage()
    : CPropertyPage(IDD_THEMES)
{
    SetTitle(GetTextString(DLG_THEMES_CAPTION));
}
