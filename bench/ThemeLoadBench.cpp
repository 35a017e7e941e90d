// Loading a theme's colour settings: time per setting for N = 10, 100 and
// 1000 named settings, and the ratio to a floor measured in the same run -
// a bare loop that enumerates the same subkeys and reads the same five
// values with the registry API. Works under Software\Qor\Bench of the user
// hive and removes it afterwards.
#include "bench/BenchSupport.h"
#include "model/ThemeManager.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char kBenchRoot[] = "Software\\Qor\\Bench\\Themes";
const char kBenchKey[] = "Software\\Qor\\Bench";
const char kTheme[] = "Bench";
const char kThemeKey[] = "Software\\Qor\\Bench\\Themes\\Bench";
const int kRounds = 5;
const int kSettingsPerRound = 1000;

using Clock = std::chrono::steady_clock;

void Seed(int count)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchKey);
    bench::SeedSettings(kThemeKey, count);
}

int ManagerLoad(CThemeManager& manager)
{
    manager.Reload(kTheme, "", HKEY_CURRENT_USER, kBenchRoot);
    return manager.GetColorSettingCount();
}

// Microseconds per setting of the fastest of several repetitions.
template <class Load>
double MicrosecondsPerSetting(int count, Load load)
{
    const int repetitions = std::max(1, kSettingsPerRound / count);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < repetitions; ++i)
        if (load() != count)
            std::printf("  (loaded a different number of settings)\n");
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    return elapsed.count() / (static_cast<double>(repetitions) * count);
}

} // namespace

int main()
{
    CThemeManager manager;
    std::printf("%6s %14s %14s %7s\n", "N", "manager us/set", "floor us/set", "ratio");
    for (int count : {10, 100, 1000}) {
        Seed(count);
        double managerBest = 1e300;
        double floorBest = 1e300;
        // Alternate the two so that both see the same machine state.
        for (int round = 0; round < kRounds; ++round) {
            floorBest = std::min(floorBest, MicrosecondsPerSetting(count, [] { return bench::ReadSettingsBare(kThemeKey); }));
            managerBest = std::min(managerBest,
                                   MicrosecondsPerSetting(count, [&] { return ManagerLoad(manager); }));
        }
        std::printf("%6d %14.2f %14.2f %7.2f\n", count, managerBest, floorBest,
                    managerBest / floorBest);
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
    return 0;
}
