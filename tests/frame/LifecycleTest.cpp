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

#include <functional>
#include <string>
#include <thread>

using namespace qortest;

namespace {

const int kWarmUpCycles = 3;
const int kCycles = 100;
const SIZE_T kMaxHeapBytesPerCycle = 1024;
// Beyond the values this process's handles take.
const ULONG_PTR kHandleValueEnd = 0x10000;

int OpenHandles()
{
    int count = 0;
    DWORD flags = 0;
    for (ULONG_PTR value = 4; value < kHandleValueEnd; value += 4)
        count += ::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    return count;
}

LONGLONG HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD count = ::GetProcessHeaps(64, heaps);
    LONGLONG bytes = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        ::HeapLock(heaps[i]);
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                bytes += entry.cbData;
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

struct Leftover {
    int handles;
    double heapBytesPerCycle;
    int classes;  // the module's default class left registered after an unload
    int timers;
};

// Loads, uses and unloads the DLL at path, kCycles times after a warm-up.
Leftover Cycle(const std::string& path, const std::function<void(HMODULE)>& use)
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
    classes = 0;
    const int handles = OpenHandles();
    const LONGLONG heapBytes = HeapBytesInUse();
    for (int i = 0; i < kCycles; ++i)
        once();
    return {OpenHandles() - handles, double(HeapBytesInUse() - heapBytes) / kCycles, classes, KillThreadTimers()};
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

HMODULE g_cycled = nullptr;

void CALLBACK CancelSheet(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND sheet = Export<HWND(WINAPI*)()>(g_cycled, "QorThemeGetCustWindowHandle")();
    if (!::IsWindow(sheet))
        return;
    ::KillTimer(nullptr, id);
    ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// Reloads, then opens the sheet and cancels it (from a timer of this thread:
// no answering thread whose own handles and heap would be counted).
void UseModule(HMODULE module)
{
    g_cycled = module;
    Export<void(WINAPI*)()>(module, "QorThemeReinit")();
    const UINT_PTR cancel = ::SetTimer(nullptr, 0, 1, CancelSheet);
    Export<void(WINAPI*)()>(module, "QorThemeColorSettinsDlg")();
    ASSERT_FALSE(::KillTimer(nullptr, cancel)) << "the sheet did not open";
}

void UseTextLibrary(HMODULE library)
{
    DWORD status = 0;
    HANDLE texts = Export<decltype(&QorPcTxtLoad)>(library, "QorPcTxtLoad")(nullptr, "FCUST", "EN", 0, 0, &status);
    Export<decltype(&QorPcTxtUnLoad)>(library, "QorPcTxtUnLoad")(texts);
}

using LifecycleTest = StandInTest;

TEST_F(LifecycleTest, LoadUseUnloadLeavesNoHandleAndUnder1KBOfHeapPerCycle)
{
    const Leftover blank = Cycle(ProgramBeside("qorblank.dll"), [](HMODULE dll) {
        Export<int(WINAPI*)(const char*)>(dll, "BlankUse")("runtime only");
    });
    EXPECT_LT(blank.heapBytesPerCycle, kMaxHeapBytesPerCycle);
    const struct {
        std::string path;
        void (*use)(HMODULE);
    } cases[] = {
        {ProgramBeside("qorthmcust.dll"), UseModule},
        // A window of the framework's default class, as the colour controls make.
        {ProgramBeside("qorblank.dll"), [](HMODULE dll) { Export<BOOL(WINAPI*)()>(dll, "BlankCreateWindow")(); }},
        // The maker's libraries, which this program keeps loaded, as copies.
        {CopyOf("qorrm.dll"), [](HMODULE dll) { Export<decltype(&RmIsLarkThemeActiveEx)>(dll, "RmIsLarkThemeActiveEx")(HKEY_CURRENT_USER); }},
        {CopyOf("qortext.dll"), UseTextLibrary},
        {CopyOf("qorutil.dll"), [](HMODULE) {}},
    };
    for (const auto& c : cases) {
        const Leftover left = Cycle(c.path, c.use);
        EXPECT_EQ(left.handles, blank.handles) << c.path;
        EXPECT_LT(left.heapBytesPerCycle, kMaxHeapBytesPerCycle) << c.path;
        EXPECT_EQ(left.classes, 0) << c.path;
        EXPECT_EQ(left.timers, 0) << c.path;
    }
}

int g_accessViolations = 0;

// Sees faults before the message dispatching, which may swallow them.
LONG CALLBACK CountAccessViolation(EXCEPTION_POINTERS* exception)
{
    g_accessViolations += exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION;
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST(WrongThreadUnloadTest, TheOwnersNextTickKillsTheTimerInsteadOfEnteringTheFreedImage)
{
    const UINT periodMs = 20;
    HMODULE dll = ::LoadLibraryA("qorblank.dll");
    ASSERT_TRUE(Export<BOOL(WINAPI*)(UINT)>(dll, "BlankStartTimer")(periodMs));
    std::thread([dll] { ::FreeLibrary(dll); }).join();
    ASSERT_EQ(::GetModuleHandleA("qorblank.dll"), nullptr);

    PVOID handler = ::AddVectoredExceptionHandler(1, CountAccessViolation);
    DispatchFor(25 * periodMs);
    ::RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(g_accessViolations, 0);
    EXPECT_EQ(KillThreadTimers(), 0) << "the timer still runs";
}

} // namespace
