// A test that starts and ends with no Software\Qor in either hive, empty
// stand-in journals and no stand-in failure switched on.
#pragma once

#include "tests/support/Journal.h"
#include "tests/support/Registry.h"

namespace qortest {

class StandInTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        ResetStandIns();
    }
    void TearDown() override
    {
        ResetStandIns();
        RegistryTest::TearDown();
    }
};

} // namespace qortest
