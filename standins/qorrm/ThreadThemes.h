// The theme and colour setting that the front end runs each of its threads
// with, as the front end (or a test) declared them.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>

class CThreadThemes {
public:
    struct Choice {
        std::string theme;
        std::string colorSetting;
    };

    void Set(DWORD threadId, Choice choice);
    void Forget(DWORD threadId);
    std::optional<Choice> Of(DWORD threadId) const;

private:
    mutable std::mutex m_mutex;
    std::map<DWORD, Choice> m_choices;
};
