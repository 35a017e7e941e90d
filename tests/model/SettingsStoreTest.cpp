// The store on the real registry: what counts as missing, and the user-only
// values that the machine hive never answers. Which hive answers the
// manager's values, and what its writes leave, is checked through the manager.
#include "framework/RegKey.h"
#include "model/SettingsStore.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace qortest;

namespace {

const char kPath[] = "Software\\Qor\\General\\Appearance";

void SetRaw(HKEY hive, const char* name, DWORD type, const std::string& bytes)
{
    CRegKey key;
    ASSERT_EQ(key.Create(hive, kPath, KEY_SET_VALUE), ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<std::string> ReadText() { return settings::ReadUserThenMachineString(kPath, "Text"); }
std::optional<DWORD> ReadNumber() { return settings::ReadUserThenMachineNumber(kPath, "Number"); }

using SettingsStoreTest = RegistryTest;

// A string must fit the reader's buffer with its terminator, also when it was
// stored without one; a number is exactly a 32-bit REG_DWORD. A user value
// that counts as missing lets the machine's through.
TEST_F(SettingsStoreTest, ValuesTooLongOrOfAnotherTypeCountAsMissing)
{
    SetString(HKEY_LOCAL_MACHINE, kPath, "Text", "machine");
    SetDword(HKEY_LOCAL_MACHINE, kPath, "Number", 7);
    const std::pair<std::string, std::string> texts[] = {
        {std::string(255, 'a') + '\0', std::string(255, 'a')}, {std::string(256, 'a') + '\0', "machine"},
        {std::string(255, 'c'), std::string(255, 'c')},        {std::string(256, 'c'), "machine"},
        {std::string("ab\0cd", 5), "ab"},                     {"", ""}};
    for (const auto& [bytes, read] : texts) {
        SetRaw(HKEY_CURRENT_USER, "Text", REG_SZ, bytes);
        EXPECT_EQ(ReadText(), read) << bytes.size();
    }
    SetRaw(HKEY_CURRENT_USER, "Text", REG_EXPAND_SZ, std::string("%TEMP%", 7));
    EXPECT_EQ(ReadText(), "%TEMP%") << "taken verbatim";
    SetDword(HKEY_CURRENT_USER, kPath, "Text", 1);
    EXPECT_EQ(ReadText(), "machine");

    const std::pair<DWORD, std::string> notNumbers[] = {
        {REG_BINARY, std::string(4, '\1')}, {REG_QWORD, std::string(8, '\1')},
        {REG_DWORD, std::string(2, '\1')},  {REG_SZ, std::string("1\0", 2)}};
    for (const auto& [type, bytes] : notNumbers) {
        SetRaw(HKEY_CURRENT_USER, "Number", type, bytes);
        EXPECT_EQ(ReadNumber(), 7u) << type;
    }
    SetDword(HKEY_CURRENT_USER, kPath, "Number", 0);
    EXPECT_EQ(ReadNumber(), 0u) << "a user 0 hides the machine's value";
}

// User-only values ignore the machine hive; writing one creates the user's
// key and stores the text with its terminator.
TEST_F(SettingsStoreTest, UserOnlyValuesLiveInTheUserHive)
{
    SetString(HKEY_LOCAL_MACHINE, kPath, "Theme", "machine");
    ASSERT_TRUE(settings::WriteUserString(kPath, "Theme", "Tideway Theme"));
    DWORD type = 0;
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kPath, "Theme", &type), std::string("Tideway Theme", 14));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kPath, "Theme"), "machine");
}

} // namespace
