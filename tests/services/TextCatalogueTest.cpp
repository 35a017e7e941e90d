// The text catalogue: bounds, the keys asked for, defaults and separators.
#include "services/Globals.h"
#include "services/TextCatalogue.h"
#include "tests/support/Journal.h"

#include <gtest/gtest.h>

using namespace qortest;
using Calls = std::vector<std::string>;

namespace {

// Entries with equal defaults ("Enter a valid name.") still ask for their own
// keys; texts joined to others keep their blanks.
TEST(TextCatalogueTest, EachEntryAsksForItsOwnKeyAndNoIndexOutsideTheCatalogueAsks)
{
    ASSERT_EQ(g_hTextModule, nullptr) << "no text module: the defaults show";
    ResetStandIns();
    EXPECT_TRUE(GetText(TXT_PROMPT_INVALIDNAME) && GetText(ERR_NO_VALID_NAME));
    EXPECT_STREQ(GetText(86), "Always use Jolly or High contrast");
    for (unsigned index : {87u, static_cast<unsigned>(-1)})
        EXPECT_TRUE(GetText(index) == nullptr && GetTextChar(index) == '\0') << index;
    EXPECT_EQ(TextLibraryCalls(), (Calls{"QorPcTxtRead(0, \"TXT_PROMPT_INVALIDNAME\")",
                                         "QorPcTxtRead(0, \"ERR_NO_VALID_NAME\")",
                                         "QorPcTxtRead(0, \"<#002>TXT_HIGH_CONTRAST\")"}));
    EXPECT_STREQ(GetText(TXT_TO), " to ");
    EXPECT_EQ(GetTextString(ERR_OVERWRITE_WARNING2).substr(0, 2), "' ");
    EXPECT_EQ(std::string() + GetTextChar(TXT_SEMICOLON) + GetTextChar(TXT_COLON), ";:");
}

} // namespace
