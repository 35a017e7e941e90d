// The module state guard: the module's activation context and state for
// the guard's lifetime, and the caller's again afterwards, also when an
// exception leaves.
#include "framework/ModuleState.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// The active context, compared by identity only: the activation stack or
// the module state keeps it alive, so the reference taken is given back.
HANDLE CurrentActivationContext()
{
    HANDLE context = nullptr;
    if (::GetCurrentActCtx(&context) && context)
        ::ReleaseActCtx(context);
    return context;
}

TEST(ModuleStateTest, EntersTheModulesStateAndActivationContextAndLeavesThemAlsoWhenAnExceptionPasses)
{
    CModuleState* module = AfxGetStaticModuleState();
    ASSERT_NE(module->GetActivationContext(), nullptr) << "the manifest resource is found";
    CModuleState caller;
    AFX_MANAGE_STATE(&caller);
    const HANDLE before = CurrentActivationContext();
    for (bool throwing : {false, true}) {
        try {
            AFX_MANAGE_STATE(module);
            EXPECT_EQ(AfxGetModuleState(), module);
            EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
            EXPECT_EQ(CurrentActivationContext(), module->GetActivationContext());
            if (throwing)
                throw std::runtime_error("failed inside");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(AfxGetModuleState(), &caller) << throwing;
        EXPECT_EQ(CurrentActivationContext(), before) << throwing;
    }
}

} // namespace
