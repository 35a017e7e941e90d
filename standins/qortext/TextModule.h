// One loaded text module in one language: its texts, read from the text file
// compiled into the library as RCDATA resource <MODULE>_<LANGUAGE> and
// converted to the system's ANSI code page.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

class CTextModule {
public:
    // Null when the library has no texts for that module and language (names
    // are matched in any letter case).
    static std::unique_ptr<CTextModule> Load(const std::string& module, const std::string& language);

    // Null for a key the module has no text for. The text lives as long as
    // the module.
    const char* Find(const std::string& key) const;

private:
    explicit CTextModule(std::map<std::string, std::string> texts) : m_texts(std::move(texts)) {}

    std::map<std::string, std::string> m_texts;
};
