// Load, use, unload, counted: what a host that loads the module for each use
// is left with. Under Wine the process's handle and GUI counters answer 0, so
// handles are counted by probing handle values and heap bytes by walking the
// process's heaps.
#include "standins/qorrm/qorrm.h"
#include "standins/qortext/qortext.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Messages.h"
#include "tests/support/StandInTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

using namespace qortest;

namespace {

const int kWarmUpCycles = 3;
const int kCycles = 100;
const double kMaxHeapBytesPerCycle = 1024;

int OpenHandles()
{
    const ULONG_PTR kHandleValueEnd = 0x10000;  // beyond the values this process's handles take
    int count = 0;
    DWORD flags = 0;
    for (ULONG_PTR value = 4; value < kHandleValueEnd; value += 4)
        count += ::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    return count;
}

LONGLONG HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD count = std::min<DWORD>(::GetProcessHeaps(64, heaps), 64);
    LONGLONG bytes = 0;
    for (DWORD i = 0; i < count; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        ::HeapLock(heaps[i]);
        while (::HeapWalk(heaps[i], &entry))
            bytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
        ::HeapUnlock(heaps[i]);
    }
    return bytes;
}

template <class Function>
Function Export(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// Thread timers of this thread, found by killing them: ids of timers
// without a window lie in 1..0x7FFF.
int KillThreadTimers()
{
    int count = 0;
    for (UINT_PTR id = 1; id <= 0x7FFF; ++id)
        count += ::KillTimer(nullptr, id) != FALSE;
    return count;
}

// Loads, uses and unloads the DLL at path, kCycles times after a warm-up: no
// window class or timer of it may stay, under 1 KB of heap per cycle. Answers
// the handles left.
int Cycle(const std::string& path, const std::function<void(HMODULE)>& use)
{
    int classes = 0;
    const auto once = [&] {
        HMODULE module = ::LoadLibraryA(path.c_str());
        ASSERT_NE(module, nullptr) << path;
        use(module);
        ::FreeLibrary(module);
        ResetStandIns();  // their journals grow with every call; not the module's
        ASSERT_EQ(::GetModuleHandleA(path.c_str()), nullptr) << path << " stays loaded";
        WNDCLASSA registered;
        classes += ::GetClassInfoA(module, "QorWnd", &registered) != FALSE;
    };
    for (int i = 0; i < kWarmUpCycles; ++i)
        once();
    const int handles = OpenHandles();
    const LONGLONG heapBytes = HeapBytesInUse();
    for (int i = 0; i < kCycles; ++i)
        once();
    EXPECT_EQ(classes, 0) << path;
    EXPECT_EQ(KillThreadTimers(), 0) << path;
    EXPECT_LT(double(HeapBytesInUse() - heapBytes) / kCycles, kMaxHeapBytesPerCycle) << path;
    return OpenHandles() - handles;
}

// A copy under another name, which this program has not loaded already.
std::string CopyOf(const char* dll)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string copy = std::string(folder) + "cycled_" + dll;
    ::CopyFileA(ProgramBeside(dll).c_str(), copy.c_str(), FALSE);
    return copy;
}

using LifecycleTest = StandInTest;

TEST_F(LifecycleTest, LoadUseUnloadLeavesNoHandleAndUnder1KBOfHeapPerCycle)
{
    const int blankHandles = Cycle(ProgramBeside("qorblank.dll"), [](HMODULE dll) {
        Export<int(WINAPI*)(const char*)>(dll, "BlankUse")("runtime only");
    });
    const struct {
        std::string path;
        void (*use)(HMODULE);
    } cases[] = {
        // Reloads, then opens the sheet and cancels it from a timer of this thread: no answering thread whose
        // own handles and heap would be counted.
        {ProgramBeside("qorthmcust.dll"), [](HMODULE module) {
             Export<void(WINAPI*)()>(module, "QorThemeReinit")();
             const UINT_PTR cancel = ::SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
                 if (HWND sheet = ::FindWindowA(nullptr, "Qor GUI Settings")) {
                     ::KillTimer(nullptr, id);
                     ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                 }
             });
             Export<void(WINAPI*)()>(module, "QorThemeColorSettinsDlg")();
             ASSERT_FALSE(::KillTimer(nullptr, cancel)) << "the sheet did not open";
         }},
        // A window of the framework's default class, as the colour controls make.
        {ProgramBeside("qorblank.dll"), [](HMODULE dll) { Export<BOOL(WINAPI*)()>(dll, "BlankCreateWindow")(); }},
        // The maker's libraries, which this program keeps loaded, as copies.
        {CopyOf("qorrm.dll"), [](HMODULE dll) { Export<decltype(&RmIsLarkThemeActiveEx)>(dll, "RmIsLarkThemeActiveEx")(HKEY_CURRENT_USER); }},
        {CopyOf("qortext.dll"), [](HMODULE dll) {
             DWORD status = 0;
             Export<decltype(&QorPcTxtUnLoad)>(dll, "QorPcTxtUnLoad")(
                 Export<decltype(&QorPcTxtLoad)>(dll, "QorPcTxtLoad")(nullptr, "FCUST", "EN", 0, 0, &status));
         }},
        {CopyOf("qorutil.dll"), [](HMODULE) {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cycle(c.path, c.use), blankHandles) << c.path;
}

int g_accessViolations = 0;

// Load on this thread, free on another, then dispatch past a tick: a fault in
// the freed image is counted before the dispatching may swallow it.
TEST(WrongThreadUnloadTest, TheOwnersNextTickKillsTheTimerInsteadOfEnteringTheFreedImage)
{
    const UINT periodMs = 20;
    HMODULE dll = ::LoadLibraryA("qorblank.dll");
    ASSERT_TRUE(Export<BOOL(WINAPI*)(UINT)>(dll, "BlankStartTimer")(periodMs));
    std::thread([dll] { ::FreeLibrary(dll); }).join();
    ASSERT_EQ(::GetModuleHandleA("qorblank.dll"), nullptr);

    PVOID handler = ::AddVectoredExceptionHandler(1, [](EXCEPTION_POINTERS* exception) -> LONG {
        g_accessViolations += exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION;
        return EXCEPTION_CONTINUE_SEARCH;
    });
    DispatchFor(25 * periodMs);
    ::RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(g_accessViolations, 0);
    EXPECT_EQ(KillThreadTimers(), 0) << "the timer still runs";
}

} // namespace
