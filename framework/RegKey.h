// An owned registry key.
#pragma once

#include <windows.h>

#include <utility>

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(CRegKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}
    CRegKey& operator=(CRegKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_hKey = std::exchange(other.m_hKey, nullptr);
        }
        return *this;
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    LONG Open(HKEY parent, const char* path, REGSAM access)
    {
        Close();
        return ::RegOpenKeyExA(parent, path, 0, access, &m_hKey);
    }
    // Creates the key (empty class, non-volatile) or opens it; created tells
    // which happened.
    LONG Create(HKEY parent, const char* path, REGSAM access, bool* created = nullptr)
    {
        Close();
        DWORD disposition = 0;
        const LONG result = ::RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                              access, nullptr, &m_hKey, &disposition);
        if (created)
            *created = result == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
        return result;
    }
    void Close()
    {
        if (m_hKey)
            ::RegCloseKey(std::exchange(m_hKey, nullptr));
    }

    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
};
