// QorCopyRegKey of the utility library stand-in: what overwrite 0 and 1 add
// and replace, that nothing in the target goes, the filters, and bad input.
#include "standins/qorutil/qorutil.h"
#include "standins/qorutil/qorutil_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

const char kSource[] = "Software\\Qor\\CopySource";
const char kTarget[] = "Software\\Qor\\CopyTarget";

std::string Below(const char* root, const std::string& path)
{
    return std::string(root) + "\\" + path;
}

class UtilityLibraryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        ResetStandIns();
        // Source (machine): a theme with a setting, and a second theme.
        SetString(HKEY_LOCAL_MACHINE, kSource, "SystemDefault", "Standard Theme");
        SetString(HKEY_LOCAL_MACHINE, Below(kSource, "Standard Theme"), "Path", "C:\\themes\\std");
        SetString(HKEY_LOCAL_MACHINE, Below(kSource, "Standard Theme\\Dawn"), "strTimeSettings", "Day;default;default");
        SetDword(HKEY_LOCAL_MACHINE, Below(kSource, "Standard Theme\\Dawn"), "bWriteProtected", 1);
        SetString(HKEY_LOCAL_MACHINE, Below(kSource, "Tideway Theme"), "Path", "C:\\themes\\tide");
        // Target (user): an edited shipped value and settings of the user's own.
        SetDword(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "bWriteProtected", 0);
        SetString(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Mine"), "strTimeSettings", "Day;09:00;17:00");
        SetString(HKEY_CURRENT_USER, kTarget, "Own", "kept");
    }
    void TearDown() override
    {
        ResetStandIns();
        RegistryTest::TearDown();
    }

    static LONG Copy(const char* subkeys, const char* values, int overwrite)
    {
        return QorCopyRegKey(HKEY_LOCAL_MACHINE, kSource, HKEY_CURRENT_USER, kTarget, subkeys, values, overwrite);
    }
    static void ExpectUsersOwnValuesKept()
    {
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Mine"), "strTimeSettings"), "Day;09:00;17:00");
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget, "Own"), "kept");
    }
};

TEST_F(UtilityLibraryTest, WithoutOverwriteAddsWhatIsMissingAndKeepsEverythingElse)
{
    EXPECT_EQ(Copy("", "", 0), ERROR_SUCCESS);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget, "SystemDefault"), "Standard Theme");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, Below(kTarget, "Tideway Theme"), "Path"), "C:\\themes\\tide");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "strTimeSettings"),
              "Day;default;default");
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "bWriteProtected"), 0u)
        << "an existing value is kept";
    DWORD type = 0;
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kTarget, "SystemDefault", &type), std::string("Standard Theme\0", 15));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << "type and terminator as stored";
    ExpectUsersOwnValuesKept();
}

TEST_F(UtilityLibraryTest, WithOverwriteRestoresTheSourcesValuesAndStillDeletesNothing)
{
    EXPECT_EQ(Copy("", "", 1), ERROR_SUCCESS);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "bWriteProtected"), 1u);
    ExpectUsersOwnValuesKept();
}

TEST_F(UtilityLibraryTest, FiltersChooseTopLevelSubkeysAndValuesAtEveryLevel)
{
    EXPECT_EQ(Copy("standard*;Nothing", "str*;Path", 1), ERROR_SUCCESS);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme"), "Path"), "C:\\themes\\std");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "strTimeSettings"),
              "Day;default;default") << "a chosen subkey comes with everything below it";
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, Below(kTarget, "Standard Theme\\Dawn"), "bWriteProtected"), 0u)
        << "a value the filter does not choose";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Below(kTarget, "Tideway Theme")));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, kTarget, "SystemDefault"));

    EXPECT_EQ(Copy("T?deway Theme", "", 0), ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Below(kTarget, "Tideway Theme")));
}

TEST_F(UtilityLibraryTest, BadInputAndFailuresAreReportedNotHarmful)
{
    EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, "Software\\Qor\\Missing", HKEY_CURRENT_USER, kTarget, "", "", 0),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(QorCopyRegKey(HKEY_CURRENT_USER, kTarget, HKEY_CURRENT_USER, Below(kTarget, "Inner").c_str(), "", "", 0),
              ERROR_INVALID_PARAMETER) << "a copy into itself";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Below(kTarget, "Inner")));
    EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, nullptr, HKEY_CURRENT_USER, kTarget, nullptr, nullptr, 0),
              ERROR_INVALID_PARAMETER);

    // A volatile target key cannot take the subkeys: the first failure is
    // answered, and the values are copied all the same.
    DeleteKeyTree(HKEY_CURRENT_USER, kTarget);
    HKEY volatileKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kTarget, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                nullptr, &volatileKey, nullptr), ERROR_SUCCESS);
    ::RegCloseKey(volatileKey);
    EXPECT_EQ(Copy(nullptr, nullptr, 0), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget, "SystemDefault"), "Standard Theme");

    ResetStandIns();
    UtilStandInSetFailure("QorCopyRegKey", TRUE);
    DeleteKeyTree(HKEY_CURRENT_USER, kTarget);
    EXPECT_NE(Copy("", "", 0), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTarget));
    EXPECT_EQ(UtilityLibraryCalls(),
              std::vector<std::string>{"QorCopyRegKey(HKLM, \"Software\\Qor\\CopySource\", HKCU, "
                                       "\"Software\\Qor\\CopyTarget\", \"\", \"\", 0)"});
}

} // namespace
