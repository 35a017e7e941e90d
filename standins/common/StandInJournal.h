// What every stand-in library keeps for tests: a journal of the calls its
// interface received, in order, one line each ("Name(arg, arg)"), and
// switches that make a named function fail.
#pragma once

#include <windows.h>

#include <mutex>
#include <set>
#include <string>
#include <vector>

class StandInJournal {
public:
    void Record(const std::string& line);
    // All lines, each ended by a line feed.
    std::string Text() const;
    void Clear();

    // An empty name with fail false switches every failure off.
    void SetFailure(const std::string& function, bool fail);
    bool Fails(const std::string& function) const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
    std::set<std::string> m_failing;
};

// Argument formatting shared by the journals.
std::string JournalString(const char* text);              // "text" or null
std::string JournalHive(HKEY hive);                        // HKLM, HKCU or a number
std::string JournalHandle(const void* handle);             // 0 or handle
std::string JournalColors(const COLORREF* colors, int count);  // rrggbb,rrggbb,... or null

// Copies text into a caller's buffer of size bytes (cut to fit, always
// terminated); answers the length the whole text needs, terminator included.
int CopyToBuffer(const std::string& text, char* buffer, int size);

// An answer for a caller's name buffer: the whole text and TRUE when it fits
// (terminator included), else an empty text and FALSE, so that no caller
// works on a cut name or path.
BOOL AnswerText(const std::string& text, char* buffer, int size);
// A getter that fails leaves an empty text behind.
BOOL AnswerNothing(char* buffer, int size);

// Defines the three test exports of a stand-in over its journal:
// <prefix>ReadJournal(buffer, size), <prefix>ClearJournal(),
// <prefix>SetFailure(function, fail); a null function with fail FALSE clears
// every failure.
#define QOR_STANDIN_TEST_EXPORTS(prefix, journal)                                        \
    extern "C" int WINAPI prefix##ReadJournal(char* buffer, int size)                     \
    {                                                                                    \
        return CopyToBuffer((journal).Text(), buffer, size);                              \
    }                                                                                    \
    extern "C" void WINAPI prefix##ClearJournal(void) { (journal).Clear(); }              \
    extern "C" void WINAPI prefix##SetFailure(const char* function, BOOL fail)            \
    {                                                                                    \
        (journal).SetFailure(function ? function : "", fail != FALSE);                    \
    }
