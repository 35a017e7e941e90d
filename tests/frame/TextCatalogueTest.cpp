// The text catalogue: bounds, defaults and separators.
#include "frame/Globals.h"
#include "frame/TextCatalogue.h"
#include "tests/support/Journal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace qortest;

namespace {

TEST(TextCatalogueTest, IndicesOutsideTheCatalogueAnswerNullWithoutAskingTheLibrary)
{
    ResetStandIns();
    for (unsigned index : {87u, 88u, 1000u, static_cast<unsigned>(-1), static_cast<unsigned>(INT_MIN)}) {
        EXPECT_EQ(GetText(index), nullptr) << index;
        EXPECT_EQ(GetTextChar(index), '\0') << index;
    }
    EXPECT_TRUE(TextLibraryCalls().empty());

    EXPECT_STREQ(GetText(86), "Always use Jolly or High contrast");
    EXPECT_EQ(TextLibraryCalls(),
              std::vector<std::string>{"QorPcTxtRead(0, \"<#002>TXT_HIGH_CONTRAST\")"});
}

TEST(TextCatalogueTest, DefaultsKeepTheirBlanksAndLineFeeds)
{
    ASSERT_EQ(g_hTextModule, nullptr);
    EXPECT_STREQ(GetText(TXT_THEME_CUST), "Qor GUI Settings");
    const std::string reset = GetText(TXT_PROMPT_RESET);
    EXPECT_EQ(std::count(reset.begin(), reset.end(), '\n'), 1);
    EXPECT_STREQ(GetText(TXT_CUSTOM_DERIVED_FROM), "Custom, Derived From ");
    EXPECT_STREQ(GetText(TXT_TO), " to ");
    EXPECT_EQ(std::string(GetText(ERR_OVERWRITE_WARNING2)).substr(0, 2), "' ");
    EXPECT_EQ(GetTextChar(TXT_SEMICOLON), ';');
    EXPECT_EQ(GetTextChar(TXT_COLON), ':');
}

TEST(TextCatalogueTest, EntriesWithEqualDefaultsAskForTheirOwnKeys)
{
    ResetStandIns();
    const std::string prompt = GetText(TXT_PROMPT_INVALIDNAME);
    const std::string error = GetText(ERR_NO_VALID_NAME);
    EXPECT_EQ(prompt, error);
    EXPECT_EQ(TextLibraryCalls(),
              (std::vector<std::string>{"QorPcTxtRead(0, \"TXT_PROMPT_INVALIDNAME\")",
                                        "QorPcTxtRead(0, \"ERR_NO_VALID_NAME\")"}));
}

} // namespace
