// The text library stand-in: module "FCUST", the caller's default for what
// it cannot serve, and German texts for every English key with the same
// blanks, line feeds and format fields.
#include "standins/qortext/TextFile.h"
#include "standins/qortext/qortext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

// Which language the module loads, and handle 0, are seen through the module.
TEST(TextLibraryTest, ServesFcustInEitherLanguageAndTheCallersDefaultForTheRest)
{
    DWORD status = 99;
    HANDLE german = QorPcTxtLoad(nullptr, "fcust", "de", 0, 0, &status);
    ASSERT_NE(german, nullptr) << "names in any letter case";
    EXPECT_EQ(status, 0u);
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_COLOR_SETTING_FOR", "default"), "Farbeinstellung f\xfcr %s")
        << "umlauts in the ANSI code page (1252 here)";
    EXPECT_STREQ(QorPcTxtRead(german, "NO_SUCH_KEY", "default"), "default");
    EXPECT_TRUE(QorPcTxtUnLoad(german));
    for (const char* language : {"FR", "..\\EN", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(QorPcTxtLoad(nullptr, "FCUST", language, 0, 0, &status), nullptr) << language;
        EXPECT_EQ(status, static_cast<DWORD>(ERROR_NOT_FOUND)) << language;
    }
}

std::map<std::string, std::string> TextsOf(const char* fileName)
{
    std::ifstream file(std::string(QOR_TEXTS_DIR) + "/" + fileName, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return ParseTextFile(content.str());
}

// Blanks at either end, line feeds and format fields are what callers rely on.
std::string Shape(const std::string& text)
{
    std::string shape = text.size() && text.front() == ' ' ? "blank|" : "|";
    shape += std::to_string(std::count(text.begin(), text.end(), '\n')) + " lf|";
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
        shape += text.substr(at, 2);
    return shape + (text.size() && text.back() == ' ' ? "|blank" : "|");
}

TEST(TextFiles, GermanTranslatesEveryEnglishKeyKeepingItsShape)
{
    const auto english = TextsOf("fcust_en.txt");
    const auto german = TextsOf("fcust_de.txt");
    EXPECT_EQ(english.size(), 87u);
    ASSERT_EQ(german.size(), english.size());
    int translated = 0;
    for (const auto& [key, text] : english) {
        ASSERT_EQ(german.count(key), 1u) << key;
        EXPECT_EQ(Shape(german.at(key)), Shape(text)) << key;
        translated += german.at(key) != text;
    }
    EXPECT_GT(translated, 70);
    EXPECT_EQ(german.at("TXT_COLON"), ":");
    EXPECT_EQ(german.at("TXT_SEMICOLON"), ";");
}

} // namespace
