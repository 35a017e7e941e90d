// Another process on the same desktop, for what is shared between processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qortest {

// The path of a program beside the test program.
inline std::string ProgramBeside(const char* fileName)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.erase(folder.find_last_of("\\/") + 1) + fileName;
}

// A process that runs while the object lives and is ended with it. Its output goes to a temporary file: no
// pipe to drain while it runs, and nothing waits for processes that Wine starts and that inherit it.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& commandLine)
    {
        char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, folder);
        ::GetTempFileNameA(folder, "qor", 0, file);
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        m_output = ::CreateFileA(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = m_output;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);
        if (m_output == INVALID_HANDLE_VALUE
            || !::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &m_info))
            m_info = {};
    }
    ~ChildProcess()
    {
        if (m_info.hProcess) {
            if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_info.hProcess, 1);
            ::CloseHandle(m_info.hProcess);
            ::CloseHandle(m_info.hThread);
        }
        if (m_output != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_output);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the process to end and answers its standard output; empty when it did not end in time.
    std::string Finish(DWORD timeoutMs = 10000)
    {
        if (!m_info.hProcess || ::WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return "";
        std::string output(::GetFileSize(m_output, nullptr), '\0');
        DWORD read = 0;
        ::SetFilePointer(m_output, 0, nullptr, FILE_BEGIN);
        ::ReadFile(m_output, output.data(), static_cast<DWORD>(output.size()), &read, nullptr);
        return output.substr(0, read);
    }

private:
    PROCESS_INFORMATION m_info = {};
    HANDLE m_output = INVALID_HANDLE_VALUE;
};

// Runs a command line to its end; its standard output, empty when it could not start or end in time.
inline std::string RunAndCapture(const std::string& commandLine, DWORD timeoutMs = 10000)
{
    return ChildProcess(commandLine).Finish(timeoutMs);
}

} // namespace qortest
