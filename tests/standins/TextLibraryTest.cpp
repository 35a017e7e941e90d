// The text library stand-in's German texts (the module's tests show the
// texts they read): every English key translated, with the same blanks at
// either end, line feeds and format fields, which callers rely on.
#include "standins/qortext/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::map<std::string, std::string> TextsOf(const char* fileName)
{
    std::ifstream file(std::string(QOR_TEXTS_DIR) + "/" + fileName, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return ParseTextFile(content.str());
}

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
    EXPECT_EQ(german.at("TXT_COLON") + german.at("TXT_SEMICOLON"), ":;");
}

} // namespace
