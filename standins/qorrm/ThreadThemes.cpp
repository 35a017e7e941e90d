#include "standins/qorrm/ThreadThemes.h"

#include <utility>

void CThreadThemes::Set(DWORD threadId, Choice choice)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choices[threadId] = std::move(choice);
}

void CThreadThemes::Forget(DWORD threadId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choices.erase(threadId);
}

std::optional<CThreadThemes::Choice> CThreadThemes::Of(DWORD threadId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_choices.find(threadId);
    if (found == m_choices.end())
        return std::nullopt;
    return found->second;
}
