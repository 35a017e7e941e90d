#include "framework/ThreadTimer.h"

#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

// The timer's procedure, in a page of its own:
//   +0   jump through the slot: to the real procedure while the timer is
//        owned, to the way out below once it is abandoned;
//   +6   the way out: KillTimer(hwnd, id) with the arguments of the tick, then
//        a jump to VirtualFree(page, 0, MEM_RELEASE) set up so that it returns
//        straight to the tick's caller: nothing runs in the freed page.
//   +64  the slot.
// The way out calls the system DLLs directly, never this image's import stubs,
// which go with the image; a thread that dispatches messages keeps user32.
const SIZE_T kThunkSize = 72;
const std::size_t kWayOutOffset = 6;
const std::size_t kSlotOffset = 64;

class CCodeWriter {
public:
    explicit CCodeWriter(unsigned char* at) : m_at(at) {}
    CCodeWriter& Bytes(std::initializer_list<unsigned char> bytes)
    {
        for (unsigned char byte : bytes)
            *m_at++ = byte;
        return *this;
    }
    template <class Value>
    CCodeWriter& Immediate(Value value)
    {
        std::memcpy(m_at, &value, sizeof(value));
        m_at += sizeof(value);
        return *this;
    }

private:
    unsigned char* m_at;
};

void* SystemFunction(const char* module, const char* name)
{
    return reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(module), name));
}

void** Slot(void* thunk)
{
    return reinterpret_cast<void**>(static_cast<unsigned char*>(thunk) + kSlotOffset);
}

void WriteCode(unsigned char* thunk)
{
    void* const killTimer = SystemFunction("user32.dll", "KillTimer");
    void* const virtualFree = SystemFunction("kernel32.dll", "VirtualFree");
    CCodeWriter code(thunk);
#if defined(__x86_64__)
    // TIMERPROC(rcx hwnd, rdx message, r8 id, r9 time).
    // jmp [rip+slot], relative to its own end, where the way out starts.
    code.Bytes({0xFF, 0x25}).Immediate<INT32>(kSlotOffset - kWayOutOffset);
    code.Bytes({0x48, 0x83, 0xEC, 0x28})                    // sub rsp, 28h: shadow space, aligned
        .Bytes({0x4C, 0x89, 0xC2})                          // mov rdx, r8: KillTimer(hwnd, id)
        .Bytes({0x48, 0xB8}).Immediate(killTimer)           // mov rax, KillTimer
        .Bytes({0xFF, 0xD0})                                // call rax
        .Bytes({0x48, 0x83, 0xC4, 0x28})                    // add rsp, 28h
        .Bytes({0x48, 0xB9}).Immediate(thunk)               // mov rcx, page
        .Bytes({0x31, 0xD2})                                // xor edx, edx
        .Bytes({0x41, 0xB8}).Immediate<DWORD>(MEM_RELEASE)  // mov r8d, MEM_RELEASE
        .Bytes({0x48, 0xB8}).Immediate(virtualFree)         // mov rax, VirtualFree
        .Bytes({0xFF, 0xE0});                               // jmp rax
#elif defined(__i386__)
    // stdcall TIMERPROC: [esp] return, +4 hwnd, +8 message, +12 id, +16 time;
    // the callee removes the four arguments.
    code.Bytes({0xFF, 0x25}).Immediate(Slot(thunk));        // jmp [slot]
    code.Bytes({0xFF, 0x74, 0x24, 0x0C})                    // push [esp+12]: id
        .Bytes({0xFF, 0x74, 0x24, 0x08})                    // push [esp+8]: hwnd
        .Bytes({0xB8}).Immediate(killTimer)                 // mov eax, KillTimer
        .Bytes({0xFF, 0xD0})                                // call eax (removes its two)
        .Bytes({0x58})                                      // pop eax: the return address
        // The four argument slots become VirtualFree's return address and its
        // three arguments; its own removal of three leaves the stack as the
        // caller expects after ours.
        .Bytes({0x89, 0x04, 0x24})                          // mov [esp], eax
        .Bytes({0xC7, 0x44, 0x24, 0x04}).Immediate(thunk)   // mov [esp+4], page
        .Bytes({0xC7, 0x44, 0x24, 0x08}).Immediate<DWORD>(0)
        .Bytes({0xC7, 0x44, 0x24, 0x0C}).Immediate<DWORD>(MEM_RELEASE)
        .Bytes({0xB8}).Immediate(virtualFree)               // mov eax, VirtualFree
        .Bytes({0xFF, 0xE0});                               // jmp eax
#else
#error "CThreadTimer knows the calling conventions of x86 and x86-64 only"
#endif
}

// Writes the slot while the page stays executable: the owner thread may be
// running through it.
void SetSlot(void* thunk, void* target)
{
    DWORD protection = 0;
    ::VirtualProtect(thunk, kThunkSize, PAGE_EXECUTE_READWRITE, &protection);
    ::InterlockedExchangePointer(Slot(thunk), target);
    ::VirtualProtect(thunk, kThunkSize, PAGE_EXECUTE_READ, &protection);
    ::FlushInstructionCache(::GetCurrentProcess(), thunk, kThunkSize);
}

void* NewThunk(TIMERPROC procedure)
{
    void* thunk = ::VirtualAlloc(nullptr, kThunkSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (thunk) {
        WriteCode(static_cast<unsigned char*>(thunk));
        SetSlot(thunk, reinterpret_cast<void*>(procedure));
    }
    return thunk;
}

} // namespace

CThreadTimer::CThreadTimer(UINT periodMs, TIMERPROC procedure)
{
    void* thunk = NewThunk(procedure);
    if (!thunk)
        return;
    m_id = ::SetTimer(nullptr, 0, periodMs, reinterpret_cast<TIMERPROC>(thunk));
    if (!m_id) {
        ::VirtualFree(thunk, 0, MEM_RELEASE);
        return;
    }
    m_ownerThread = ::GetCurrentThreadId();
    m_thunk = thunk;
}

CThreadTimer::CThreadTimer(CThreadTimer&& other) noexcept
    : m_id(std::exchange(other.m_id, 0))
    , m_ownerThread(other.m_ownerThread)
    , m_thunk(std::exchange(other.m_thunk, nullptr))
{
}

CThreadTimer& CThreadTimer::operator=(CThreadTimer&& other) noexcept
{
    if (this != &other) {
        Stop();
        m_id = std::exchange(other.m_id, 0);
        m_ownerThread = other.m_ownerThread;
        m_thunk = std::exchange(other.m_thunk, nullptr);
    }
    return *this;
}

void CThreadTimer::Stop()
{
    if (!m_thunk)
        return;
    if (::GetCurrentThreadId() == m_ownerThread) {
        ::KillTimer(nullptr, m_id);
        ::VirtualFree(m_thunk, 0, MEM_RELEASE);
    } else {
        // Only the owner thread can kill it: the page does that at the next
        // tick and releases itself.
        SetSlot(m_thunk, static_cast<unsigned char*>(m_thunk) + kWayOutOffset);
    }
    m_id = 0;
    m_thunk = nullptr;
}
