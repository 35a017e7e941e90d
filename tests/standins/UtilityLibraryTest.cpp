// QorCopyRegKey of the utility library stand-in as the Color Settings page
// calls it for the machine's themes (whole subtree; a missing source is seen
// through the page): overwrite 0 adds what is missing, 1 also restores the
// source's values, neither deletes anything.
#include "standins/qorutil/qorutil.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

const std::string kSource = "Software\\Qor\\CopySource", kTarget = "Software\\Qor\\CopyTarget";
const std::string kShipped = "\\Standard Theme\\Dawn", kOwn = "\\Standard Theme\\Mine";

using UtilityLibraryTest = RegistryTest;

TEST_F(UtilityLibraryTest, OverwriteZeroAddsWhatIsMissingAndOneAlsoRestoresNeitherDeletes)
{
    SetString(HKEY_LOCAL_MACHINE, kSource, "SystemDefault", "Standard Theme");
    SetString(HKEY_LOCAL_MACHINE, kSource + kShipped, "strTimeSettings", "Day;default;default");
    SetDword(HKEY_LOCAL_MACHINE, kSource + kShipped, "bWriteProtected", 1);
    // The user edited a shipped value and has a setting of their own.
    SetDword(HKEY_CURRENT_USER, kTarget + kShipped, "bWriteProtected", 0);
    SetString(HKEY_CURRENT_USER, kTarget + kOwn, "strTimeSettings", "Day;09:00;17:00");
    for (int overwrite : {0, 1}) {
        EXPECT_EQ(QorCopyRegKey(HKEY_LOCAL_MACHINE, kSource.c_str(), HKEY_CURRENT_USER, kTarget.c_str(), "", "",
                                overwrite), ERROR_SUCCESS);
        DWORD type = 0;
        EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, kTarget, "SystemDefault", &type), std::string("Standard Theme", 15));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << "type and terminator as stored";
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget + kShipped, "strTimeSettings"), "Day;default;default");
        EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kTarget + kShipped, "bWriteProtected"), static_cast<DWORD>(overwrite));
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kTarget + kOwn, "strTimeSettings"), "Day;09:00;17:00");
    }
}

} // namespace
