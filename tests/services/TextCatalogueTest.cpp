// The text catalogue: bounds, the keys asked for, defaults and separators.
#include "services/Globals.h"
#include "services/TextCatalogue.h"
#include "tests/support/Journal.h"

#include <gtest/gtest.h>

#include <climits>

using namespace qortest;
using Calls = std::vector<std::string>;

namespace {

TEST(TextCatalogueTest, IndicesOutsideTheCatalogueAnswerNullWithoutAskingTheLibrary)
{
    ResetStandIns();
    for (unsigned index : {87u, 1000u, static_cast<unsigned>(-1), static_cast<unsigned>(INT_MIN)}) {
        EXPECT_EQ(GetText(index), nullptr) << index;
        EXPECT_EQ(GetTextChar(index), '\0') << index;
    }
    EXPECT_TRUE(TextLibraryCalls().empty());
}

TEST(TextCatalogueTest, EachEntryAsksForItsOwnKeyAndKeepsTheBlanksAndLineFeedOfItsDefault)
{
    ASSERT_EQ(g_hTextModule, nullptr) << "no text module: the defaults show";
    ResetStandIns();
    EXPECT_STREQ(GetText(TXT_PROMPT_INVALIDNAME), "Enter a valid name.");
    EXPECT_STREQ(GetText(ERR_NO_VALID_NAME), "Enter a valid name.");
    EXPECT_STREQ(GetText(86), "Always use Jolly or High contrast");
    EXPECT_EQ(TextLibraryCalls(), (Calls{"QorPcTxtRead(0, \"TXT_PROMPT_INVALIDNAME\")",
                                         "QorPcTxtRead(0, \"ERR_NO_VALID_NAME\")",
                                         "QorPcTxtRead(0, \"<#002>TXT_HIGH_CONTRAST\")"}));
    EXPECT_STREQ(GetText(TXT_PROMPT_RESET), "This will restore the original default settings.\n"
                                            "Settings you have created will not be affected.");
    EXPECT_STREQ(GetText(TXT_CUSTOM_DERIVED_FROM), "Custom, Derived From ");
    EXPECT_STREQ(GetText(TXT_TO), " to ");
    EXPECT_EQ(std::string(GetText(ERR_OVERWRITE_WARNING2)).substr(0, 2), "' ");
    EXPECT_EQ(GetTextChar(TXT_SEMICOLON), ';');
    EXPECT_EQ(GetTextChar(TXT_COLON), ':');
}

} // namespace
