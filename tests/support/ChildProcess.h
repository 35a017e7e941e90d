// Another process on the same desktop, for what is shared between processes.
#pragma once

#include <windows.h>

#include <string>

namespace qortest {

// The path of a program beside the test program.
std::string ProgramBeside(const char* fileName);

// Runs a command line to its end; answers its standard output, or an empty
// text when it could not start or did not end within the timeout.
std::string RunAndCapture(const std::string& commandLine, DWORD timeoutMs = 10000);

// A process that runs while the object lives and is ended with it.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    // Waits for the process to end and answers its standard output.
    std::string Finish(DWORD timeoutMs = 10000);

private:
    PROCESS_INFORMATION m_info = {};
    HANDLE m_output = INVALID_HANDLE_VALUE;
};

} // namespace qortest
