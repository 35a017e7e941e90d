#include "standins/common/StandInJournal.h"

#include <cstdio>
#include <cstring>

void StandInJournal::Record(const std::string& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.push_back(line);
}

std::string StandInJournal::Text() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const std::string& line : m_lines)
        text += line + "\n";
    return text;
}

void StandInJournal::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}

void StandInJournal::SetFailure(const std::string& function, bool fail)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (fail)
        m_failing.insert(function);
    else if (function.empty())
        m_failing.clear();
    else
        m_failing.erase(function);
}

bool StandInJournal::Fails(const std::string& function) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_failing.count(function) != 0;
}

std::string JournalString(const char* text)
{
    return text ? "\"" + std::string(text) + "\"" : "null";
}

std::string JournalHive(HKEY hive)
{
    if (hive == HKEY_LOCAL_MACHINE)
        return "HKLM";
    if (hive == HKEY_CURRENT_USER)
        return "HKCU";
    return std::to_string(reinterpret_cast<ULONG_PTR>(hive));
}

std::string JournalHandle(const void* handle)
{
    return handle ? "handle" : "0";
}

std::string JournalColors(const COLORREF* colors, int count)
{
    if (!colors)
        return "null";
    std::string text;
    for (int i = 0; i < count; ++i) {
        char rgb[8];
        std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", GetRValue(colors[i]),
                      GetGValue(colors[i]), GetBValue(colors[i]));
        if (i > 0)
            text += ",";
        text += rgb;
    }
    return text;
}

int CopyToBuffer(const std::string& text, char* buffer, int size)
{
    if (buffer && size > 0) {
        const size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
    }
    return static_cast<int>(text.size() + 1);
}

BOOL AnswerText(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0 || text.size() >= static_cast<size_t>(size))
        return AnswerNothing(buffer, size);
    CopyToBuffer(text, buffer, size);
    return TRUE;
}

BOOL AnswerNothing(char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = '\0';
    return FALSE;
}
