#include "tests/support/ChildProcess.h"

#include <vector>

namespace qortest {

std::string ProgramBeside(const char* fileName)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.erase(folder.find_last_of("\\/") + 1) + fileName;
}

ChildProcess::ChildProcess(const std::string& commandLine)
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE write = nullptr;
    if (!::CreatePipe(&m_output, &write, &inherit, 0))
        return;
    ::SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = write;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &m_info))
        m_info = {};
    ::CloseHandle(write);
}

ChildProcess::~ChildProcess()
{
    if (m_info.hProcess) {
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_info.hProcess, 1);
        ::CloseHandle(m_info.hProcess);
        ::CloseHandle(m_info.hThread);
    }
    if (m_output)
        ::CloseHandle(m_output);
}

// Reads the output as it comes, so that a full pipe never blocks the child.
std::string ChildProcess::Finish(DWORD timeoutMs)
{
    std::string output;
    for (const DWORD start = ::GetTickCount(); m_info.hProcess;) {
        const bool ended = ::WaitForSingleObject(m_info.hProcess, 10) == WAIT_OBJECT_0;
        DWORD available = 0;
        while (::PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr) && available) {
            std::vector<char> chunk(available);
            if (!::ReadFile(m_output, chunk.data(), available, &available, nullptr) || !available)
                break;
            output.append(chunk.data(), available);
        }
        if (ended)
            return output;
        if (::GetTickCount() - start > timeoutMs)
            break;
    }
    return "";
}

std::string RunAndCapture(const std::string& commandLine, DWORD timeoutMs)
{
    return ChildProcess(commandLine).Finish(timeoutMs);
}

} // namespace qortest
