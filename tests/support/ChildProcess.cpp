#include "tests/support/ChildProcess.h"

#include <vector>

namespace qortest {

std::string ProgramBeside(const char* fileName)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + fileName;
}

namespace {

// Appends what the pipe holds now; false when it held nothing.
bool ReadAvailable(HANDLE pipe, std::string& output)
{
    DWORD available = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0)
        return false;
    std::vector<char> chunk(available);
    DWORD read = 0;
    if (!::ReadFile(pipe, chunk.data(), available, &read, nullptr) || read == 0)
        return false;
    output.append(chunk.data(), read);
    return true;
}

} // namespace

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
    startup.hStdOutput = write;
    startup.hStdError = write;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
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

std::string ChildProcess::Finish(DWORD timeoutMs)
{
    if (!m_info.hProcess)
        return "";
    std::string output;
    const DWORD start = ::GetTickCount();
    for (;;) {
        const bool ended = ::WaitForSingleObject(m_info.hProcess, 10) == WAIT_OBJECT_0;
        while (ReadAvailable(m_output, output)) {
        }
        if (ended)
            return output;
        if (::GetTickCount() - start > timeoutMs)
            return "";
    }
}

std::string RunAndCapture(const std::string& commandLine, DWORD timeoutMs)
{
    ChildProcess child(commandLine);
    return child.Finish(timeoutMs);
}

} // namespace qortest
