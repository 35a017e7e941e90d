#include "model/SmcRendering.h"

#include "framework/RegKey.h"

#include <optional>

namespace {

const char kAppearanceKey[] = "Software\\Qor\\General\\Appearance";
const char kValueName[] = "UseSMCRendering";

enum class SwitchState { Undecided, Off, On };
SwitchState g_smcRendering = SwitchState::Undecided;

std::optional<bool> ReadSwitch(HKEY hive)
{
    CRegKey key;
    if (key.Open(hive, kAppearanceKey, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key.Get(), kValueName, nullptr, &type,
                           reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value != 0;
}

} // namespace

BOOL IsSmcRenderingEnabled()
{
    if (g_smcRendering == SwitchState::Undecided) {
        std::optional<bool> on = ReadSwitch(HKEY_CURRENT_USER);
        if (!on)
            on = ReadSwitch(HKEY_LOCAL_MACHINE);
        g_smcRendering = on.value_or(false) ? SwitchState::On : SwitchState::Off;
    }
    return g_smcRendering == SwitchState::On;
}
