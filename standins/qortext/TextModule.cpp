#include "standins/qortext/TextModule.h"

#include "standins/qortext/TextFile.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <vector>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Letters and digits only: a name that can be part of a resource name.
bool IsPlainName(const std::string& name)
{
    return !name.empty()
        && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c); });
}

std::string ResourceText(const std::string& name)
{
    const HMODULE library = reinterpret_cast<HMODULE>(&__ImageBase);
    HRSRC resource = ::FindResourceA(library, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = resource ? ::LoadResource(library, resource) : nullptr;
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return data ? std::string(data, ::SizeofResource(library, resource)) : std::string();
}

std::string Utf8ToAnsi(const std::string& utf8)
{
    if (utf8.empty())
        return utf8;
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
    const int ansiLength = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, nullptr, nullptr);
    return ansi;
}

} // namespace

std::unique_ptr<CTextModule> CTextModule::Load(const std::string& module, const std::string& language)
{
    if (!IsPlainName(module) || !IsPlainName(language))
        return nullptr;
    const std::string content = ResourceText(module + "_" + language);
    if (content.empty())
        return nullptr;
    std::map<std::string, std::string> texts = ParseTextFile(content);
    for (auto& entry : texts)
        entry.second = Utf8ToAnsi(entry.second);
    return std::unique_ptr<CTextModule>(new CTextModule(std::move(texts)));
}

const char* CTextModule::Find(const std::string& key) const
{
    const auto found = m_texts.find(key);
    return found == m_texts.end() ? nullptr : found->second.c_str();
}
