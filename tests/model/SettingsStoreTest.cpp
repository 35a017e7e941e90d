// The store helpers on the real registry: which hive answers, what counts as
// missing, and what a write leaves in the user hive.
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
    ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, type,
                               reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<std::string> ReadBoth(const char* name, DWORD bufferSize = settings::kValueBufferSize)
{
    return settings::ReadUserThenMachineString(kPath, name, bufferSize);
}

using SettingsStoreTest = RegistryTest;

TEST_F(SettingsStoreTest, UserValueFirstThenTheMachines)
{
    EXPECT_EQ(ReadBoth("Sound"), std::nullopt);
    SetString(HKEY_LOCAL_MACHINE, kPath, "Sound", "Off");
    EXPECT_EQ(ReadBoth("Sound"), "Off");
    SetString(HKEY_CURRENT_USER, kPath, "Sound", "On");
    EXPECT_EQ(ReadBoth("Sound"), "On");
    // An empty user value is a value.
    SetString(HKEY_CURRENT_USER, kPath, "Sound", "");
    EXPECT_EQ(ReadBoth("Sound"), "");
    // A user value that counts as missing lets the machine's through.
    SetDword(HKEY_CURRENT_USER, kPath, "Sound", 1);
    EXPECT_EQ(ReadBoth("Sound"), "Off");
    SetString(HKEY_CURRENT_USER, kPath, "Sound", std::string(256, 'x'));
    EXPECT_EQ(ReadBoth("Sound"), "Off");

    EXPECT_EQ(settings::ReadUserThenMachineNumber(kPath, "UseSMCRendering"), std::nullopt);
    SetDword(HKEY_LOCAL_MACHINE, kPath, "UseSMCRendering", 7);
    EXPECT_EQ(settings::ReadUserThenMachineNumber(kPath, "UseSMCRendering"), 7u);
    SetDword(HKEY_CURRENT_USER, kPath, "UseSMCRendering", 0);
    EXPECT_EQ(settings::ReadUserThenMachineNumber(kPath, "UseSMCRendering"), 0u);
    SetString(HKEY_CURRENT_USER, kPath, "UseSMCRendering", "0");
    EXPECT_EQ(settings::ReadUserThenMachineNumber(kPath, "UseSMCRendering"), 7u);
}

TEST_F(SettingsStoreTest, UserOnlyReadsIgnoreTheMachine)
{
    SetString(HKEY_LOCAL_MACHINE, kPath, "Path", "C:\\machine");
    EXPECT_EQ(settings::ReadUserString(kPath, "Path"), std::nullopt);
    SetString(HKEY_CURRENT_USER, kPath, "Path", "C:\\user");
    EXPECT_EQ(settings::ReadUserString(kPath, "Path"), "C:\\user");
    SetDword(HKEY_CURRENT_USER, kPath, "Path", 3);
    EXPECT_EQ(settings::ReadUserString(kPath, "Path"), std::nullopt);
}

TEST_F(SettingsStoreTest, AStringMustFitTheBufferWithItsTerminator)
{
    SetString(HKEY_CURRENT_USER, kPath, "Fits", std::string(255, 'a'));
    SetString(HKEY_CURRENT_USER, kPath, "TooLong", std::string(256, 'a'));
    EXPECT_EQ(ReadBoth("Fits"), std::string(255, 'a'));
    EXPECT_EQ(ReadBoth("TooLong"), std::nullopt);
    EXPECT_EQ(ReadBoth("TooLong", 260), std::string(256, 'a'));
    SetString(HKEY_CURRENT_USER, kPath, "Longer", std::string(259, 'b'));
    EXPECT_EQ(ReadBoth("Longer", 260), std::string(259, 'b'));
    SetString(HKEY_CURRENT_USER, kPath, "Longer", std::string(260, 'b'));
    EXPECT_EQ(ReadBoth("Longer", 260), std::nullopt);

    // Hand-made values without a terminator, or with text after one.
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_SZ, "08:00");
    EXPECT_EQ(ReadBoth("Bare"), "08:00");
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_SZ, std::string(255, 'c'));
    EXPECT_EQ(ReadBoth("Bare"), std::string(255, 'c'));
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_SZ, std::string(256, 'c'));
    EXPECT_EQ(ReadBoth("Bare"), std::nullopt);
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_SZ, std::string("ab\0cd", 5));
    EXPECT_EQ(ReadBoth("Bare"), "ab");
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_SZ, "");
    EXPECT_EQ(ReadBoth("Bare"), "");
    SetRaw(HKEY_CURRENT_USER, "Bare", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
    EXPECT_EQ(ReadBoth("Bare"), "%TEMP%") << "taken verbatim";
}

TEST_F(SettingsStoreTest, ANumberIsExactlyAThirtyTwoBitDword)
{
    const auto read = [] { return settings::ReadUserThenMachineNumber(kPath, "Number"); };
    SetDword(HKEY_CURRENT_USER, kPath, "Number", 0xFFFFFFFFu);
    EXPECT_EQ(read(), 0xFFFFFFFFu);
    SetRaw(HKEY_CURRENT_USER, "Number", REG_BINARY, std::string(4, '\1'));
    EXPECT_EQ(read(), std::nullopt);
    SetRaw(HKEY_CURRENT_USER, "Number", REG_QWORD, std::string(8, '\1'));
    EXPECT_EQ(read(), std::nullopt);
    SetRaw(HKEY_CURRENT_USER, "Number", REG_DWORD, std::string(2, '\1'));
    EXPECT_EQ(read(), std::nullopt);
    SetRaw(HKEY_CURRENT_USER, "Number", REG_SZ, std::string("1\0", 2));
    EXPECT_EQ(read(), std::nullopt);
}

TEST_F(SettingsStoreTest, WritesGoToTheUserHive)
{
    ASSERT_TRUE(settings::WriteUserString(kPath, "HueShiftColor", "Dusk"));
    DWORD type = 0;
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kPath, "HueShiftColor", &type),
              std::string("Dusk", 5));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPath));
    ASSERT_TRUE(settings::WriteUserString(kPath, "HueShiftColor", ""));
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kPath, "HueShiftColor"), std::string(1, '\0'));

    CRegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kPath, KEY_SET_VALUE), ERROR_SUCCESS);
    ASSERT_TRUE(settings::WriteNumber(key.Get(), "bTimeActivated", 1));
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kPath, "bTimeActivated", &type),
              std::string("\1\0\0\0", 4));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));

    // A key opened for reading only takes no writes.
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kPath, KEY_QUERY_VALUE), ERROR_SUCCESS);
    EXPECT_FALSE(settings::WriteString(key.Get(), "Sound", "On"));
    EXPECT_FALSE(settings::WriteNumber(key.Get(), "bTimeActivated", 0));
}

} // namespace
