#include "model/SmcRendering.h"

#include "model/SettingsStore.h"

namespace {

enum class SwitchState { Undecided, Off, On };
SwitchState g_smcRendering = SwitchState::Undecided;

} // namespace

BOOL IsSmcRenderingEnabled()
{
    if (g_smcRendering == SwitchState::Undecided) {
        const bool on =
            settings::ReadUserThenMachineNumber(settings::kAppearanceKey, "UseSMCRendering")
                .value_or(0)
            != 0;
        g_smcRendering = on ? SwitchState::On : SwitchState::Off;
    }
    return g_smcRendering == SwitchState::On;
}
