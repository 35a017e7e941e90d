// What the module relies on of the stand-ins of the maker's libraries where
// no module test reaches it: the German texts of every key keep the blanks at
// either end, line feeds and format fields of the English ones; QorCopyRegKey,
// as the Color Settings page calls it for the machine's themes (a missing
// source is seen through the page), adds what is missing with overwrite 0,
// also restores the source's values with 1, and never deletes.
#include "standins/qortext/TextFile.h"
#include "standins/qorutil/qorutil.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

using namespace qortest;

namespace {

std::string Shape(const std::string& text)
{
    std::string shape = text.size() && text.front() == ' ' ? "blank|" : "|";
    shape += std::to_string(std::count(text.begin(), text.end(), '\n')) + " lf|";
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
        shape += text.substr(at, 2);
    return shape + (text.size() && text.back() == ' ' ? "|blank" : "|");
}

TEST(TextFiles, GermanHasEveryEnglishKeyKeepingItsShape)
{
    const auto textsOf = [](const char* fileName) {
        std::stringstream content;
        content << std::ifstream(std::string(QOR_TEXTS_DIR) + "/" + fileName, std::ios::binary).rdbuf();
        return ParseTextFile(content.str());
    };
    const auto english = textsOf("fcust_en.txt"), german = textsOf("fcust_de.txt");
    for (const auto& [key, text] : english) {
        ASSERT_EQ(german.count(key), 1u) << key;
        EXPECT_EQ(Shape(german.at(key)), Shape(text)) << key;
    }
    EXPECT_EQ(german.at("TXT_COLON") + german.at("TXT_SEMICOLON"), ":;") << "what the parsers accept";
}

using UtilityLibraryTest = RegistryTest;

TEST_F(UtilityLibraryTest, OverwriteZeroAddsWhatIsMissingAndOneAlsoRestoresNeitherDeletes)
{
    const std::string source = "Software\\Qor\\CopySource", target = "Software\\Qor\\CopyTarget";
    const std::string shipped = "\\Standard Theme\\Dawn", own = "\\Standard Theme\\Mine";
    SetString(HKEY_LOCAL_MACHINE, source, "SystemDefault", "Standard Theme");
    SetString(HKEY_LOCAL_MACHINE, source + shipped, "strTimeSettings", "Day;default;default");
    SetDword(HKEY_LOCAL_MACHINE, source + shipped, "bWriteProtected", 1);
    // The user edited a shipped value and has a setting of their own.
    SetDword(HKEY_CURRENT_USER, target + shipped, "bWriteProtected", 0);
    SetString(HKEY_CURRENT_USER, target + own, "strTimeSettings", "Day;09:00;17:00");
    for (int overwrite : {0, 1}) {
        EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, source.c_str(), HKEY_CURRENT_USER, target.c_str(), "", "", overwrite),
                  ERROR_SUCCESS);
        DWORD type = 0;
        EXPECT_TRUE(GetRawValue(HKEY_CURRENT_USER, target, "SystemDefault", &type) == std::string("Standard Theme", 15)
                    && type == REG_SZ) << "type and terminator as stored";
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, target + shipped, "strTimeSettings"), "Day;default;default");
        EXPECT_EQ(GetDword(HKEY_CURRENT_USER, target + shipped, "bWriteProtected"), static_cast<DWORD>(overwrite));
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, target + own, "strTimeSettings"), "Day;09:00;17:00");
    }
}

} // namespace
