// A DLL with nothing of the module's own: the framework, its entry and the
// runtime, built like the module. Used for BlankUse only, it shows what the
// toolchain leaves per load.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) int WINAPI BlankUse(const char* text)
{
    try {
        return static_cast<int>(std::string(text).size());
    } catch (...) {
        return -1;
    }
}
