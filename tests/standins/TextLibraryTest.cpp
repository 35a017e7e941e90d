// The text library stand-in: the default language, module "FCUST" in English
// and German, the caller's default for what it cannot serve, and the text
// files themselves (same keys in both languages, blanks and line feeds kept).
#include "standins/qortext/TextFile.h"
#include "standins/qortext/qortext.h"
#include "standins/qortext/qortext_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

using namespace qortest;

namespace {

using TextLibraryTest = StandInTest;

std::string DefaultLanguage(int size = 3, int* result = nullptr)
{
    char buffer[16] = "xxxxxxxxxxxxxxx";
    const int answer = QorPcTxtGetDefaultLanguage(buffer, size);
    if (result)
        *result = answer;
    return buffer;
}

TEST_F(TextLibraryTest, DefaultLanguageIsTheConfiguredOneThatFits)
{
    const std::string fromSystem = DefaultLanguage();
    EXPECT_TRUE(fromSystem == "EN" || fromSystem == "DE") << fromSystem;

    SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DE");
    int result = -1;
    EXPECT_EQ(DefaultLanguage(3, &result), "DE");
    EXPECT_EQ(result, 0);

    SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DEU");
    EXPECT_EQ(DefaultLanguage(3, &result), "") << "a code that does not fit is not cut";
    EXPECT_NE(result, 0);

    FailTextLibrary("QorPcTxtGetDefaultLanguage");
    EXPECT_EQ(DefaultLanguage(3, &result), "");
    EXPECT_NE(result, 0);
}

TEST_F(TextLibraryTest, ServesEnglishAndGermanAndTheDefaultForTheRest)
{
    DWORD status = 99;
    HANDLE english = QorPcTxtLoad(nullptr, "FCUST", "EN", 0, 0, &status);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(status, 0u);
    HANDLE german = QorPcTxtLoad(nullptr, "fcust", "de", 0, 0, nullptr);
    ASSERT_NE(german, nullptr) << "names in any letter case";
    EXPECT_NE(german, english);

    EXPECT_STREQ(QorPcTxtRead(english, "TXT_THEME_CUST", "default"), "Qor GUI Settings");
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_THEME_CUST", "default"), "Qor GUI-Einstellungen");
    EXPECT_STREQ(QorPcTxtRead(german, "DLG_THEMES_CAPTION", "default"), "Farbeinstellungen");
    EXPECT_STREQ(QorPcTxtRead(german, "<#001>TXT_TO", "default"), " bis ");
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_COLON", "default"), ":");
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_SEMICOLON", "default"), ";");
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_COLOR_SETTING_FOR", "default"), "Farbeinstellung f\xfcr %s")
        << "umlauts in the ANSI code page (1252 here)";
    EXPECT_STREQ(QorPcTxtRead(english, "TXT_PROMPT_RESET", "default"),
                 "This will restore the original default settings.\n"
                 "Settings you have created will not be affected.");

    EXPECT_STREQ(QorPcTxtRead(german, "NO_SUCH_KEY", "default"), "default");
    EXPECT_STREQ(QorPcTxtRead(nullptr, "TXT_THEME_CUST", "default"), "default");
    EXPECT_STREQ(QorPcTxtRead(german, nullptr, "default"), "default");

    EXPECT_TRUE(QorPcTxtUnLoad(german));
    EXPECT_STREQ(QorPcTxtRead(german, "TXT_THEME_CUST", "default"), "default")
        << "an unloaded handle serves nothing";
    EXPECT_FALSE(QorPcTxtUnLoad(german));
    EXPECT_TRUE(QorPcTxtUnLoad(english));

    status = 0;
    EXPECT_EQ(QorPcTxtLoad(nullptr, "FCUST", "FR", 0, 0, &status), nullptr) << "unknown language";
    EXPECT_EQ(status, static_cast<DWORD>(ERROR_NOT_FOUND));
    EXPECT_EQ(QorPcTxtLoad(nullptr, "OTHER", "EN", 0, 0, &status), nullptr) << "unknown module";
    EXPECT_EQ(QorPcTxtLoad(nullptr, "FCUST", "..\\EN", 0, 0, &status), nullptr);
    EXPECT_EQ(QorPcTxtLoad(nullptr, "FCUST", nullptr, 0, 0, &status), nullptr);
}

TEST_F(TextLibraryTest, JournalAndFailureSwitches)
{
    HANDLE german = QorPcTxtLoad(nullptr, "FCUST", "DE", 0, 0, nullptr);
    QorPcTxtRead(german, "TXT_DAY", "Day");
    FailTextLibrary("QorPcTxtRead");
    EXPECT_EQ(QorPcTxtRead(german, "TXT_DAY", "Day"), nullptr);
    FailTextLibrary("QorPcTxtUnLoad");
    EXPECT_FALSE(QorPcTxtUnLoad(german));
    ResetStandIns();
    EXPECT_TRUE(QorPcTxtUnLoad(german)) << "a failed unload kept the module";
    FailTextLibrary("QorPcTxtLoad");
    EXPECT_EQ(QorPcTxtLoad(nullptr, "FCUST", "DE", 0, 0, nullptr), nullptr);
    EXPECT_EQ(TextLibraryCalls(), (std::vector<std::string>{
                                      "QorPcTxtUnLoad(handle)",
                                      "QorPcTxtLoad(0, \"FCUST\", \"DE\", 0, 0)",
                                  }));
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
    std::string shape;
    shape += !text.empty() && text.front() == ' ' ? "blank|" : "|";
    shape += std::to_string(std::count(text.begin(), text.end(), '\n')) + " lf|";
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
        shape += text.substr(at, 2);
    shape += !text.empty() && text.back() == ' ' ? "|blank" : "|";
    return shape;
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
    EXPECT_EQ(german.at("ERR_OVERWRITE_WARNING2").substr(0, 2), "' ");
}

TEST(TextFiles, ParserTakesQuotedTextsAndSkipsTheRest)
{
    const auto texts = ParseTextFile("# comment=\"x\"\r\nA=\" a \\\\ b\\n\"\r\nB=\"\"\nbroken line\n"
                                     "C=\"say \"hi\"\"\n=\"no key\"\nD=\"unterminated\n");
    EXPECT_EQ(texts, (std::map<std::string, std::string>{
                         {"A", " a \\ b\n"}, {"B", ""}, {"C", "say \"hi\""}}));
}

} // namespace
