// QorCopyRegKey of the utility library stand-in, as the Themes page calls it
// (whole subtree): overwrite 0 adds what is missing, 1 also restores the
// source's values, neither deletes anything; bad input is refused.
#include "standins/qorutil/qorutil.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

const std::string kSource = "Software\\Qor\\CopySource";
const std::string kTarget = "Software\\Qor\\CopyTarget";
const std::string kShipped = "\\Standard Theme\\Dawn";
const std::string kOwn = "\\Standard Theme\\Mine";

class UtilityLibraryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        SetString(HKEY_LOCAL_MACHINE, kSource, "SystemDefault", "Standard Theme");
        SetString(HKEY_LOCAL_MACHINE, kSource + kShipped, "strTimeSettings", "Day;default;default");
        SetDword(HKEY_LOCAL_MACHINE, kSource + kShipped, "bWriteProtected", 1);
        // The user edited a shipped value and has a setting of their own.
        SetDword(HKEY_CURRENT_USER, kTarget + kShipped, "bWriteProtected", 0);
        SetString(HKEY_CURRENT_USER, kTarget + kOwn, "strTimeSettings", "Day;09:00;17:00");
    }
    static LONG Copy(int overwrite)
    {
        return QorCopyRegKey(HKEY_LOCAL_MACHINE, kSource.c_str(), HKEY_CURRENT_USER, kTarget.c_str(), "",
                             "", overwrite);
    }
};

TEST_F(UtilityLibraryTest, OverwriteZeroAddsWhatIsMissingAndOneAlsoRestoresNeitherDeletes)
{
    for (int overwrite : {0, 1}) {
        EXPECT_EQ(Copy(overwrite), ERROR_SUCCESS);
        DWORD type = 0;
        EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kTarget, "SystemDefault", &type),
                  std::string("Standard Theme\0", 15));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << "type and terminator as stored";
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget + kShipped, "strTimeSettings"), "Day;default;default");
        EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kTarget + kShipped, "bWriteProtected"), static_cast<DWORD>(overwrite))
            << "overwrite " << overwrite;
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget + kOwn, "strTimeSettings"), "Day;09:00;17:00");
    }
}

TEST_F(UtilityLibraryTest, BadInputIsRefusedWithoutHarm)
{
    EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, "Software\\Qor\\Missing", HKEY_CURRENT_USER, kTarget.c_str(),
                            "", "", 0), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(QorCopyRegKey(HKEY_CURRENT_USER, kTarget.c_str(), HKEY_CURRENT_USER, (kTarget + "\\Inner").c_str(),
                            "", "", 0), ERROR_INVALID_PARAMETER) << "a copy into itself";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTarget + "\\Inner"));
    EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, nullptr, HKEY_CURRENT_USER, kTarget.c_str(), nullptr, nullptr, 0),
              ERROR_INVALID_PARAMETER);
}

} // namespace
