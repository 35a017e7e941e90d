// The module state guard: the module's activation context and state for
// the guard's lifetime, and the caller's again afterwards, also when an
// exception leaves.
#include "framework/ModuleState.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

HANDLE CurrentActivationContext()
{
    HANDLE context = nullptr;
    ::GetCurrentActCtx(&context);
    return context;
}

TEST(ModuleStateTest, EntersTheModulesActivationContextAndLeavesIt)
{
    CModuleState* module = AfxGetStaticModuleState();
    ASSERT_NE(module->GetActivationContext(), nullptr) << "the manifest resource is found";
    const HANDLE before = CurrentActivationContext();
    {
        AFX_MANAGE_STATE(module);
        EXPECT_EQ(AfxGetModuleState(), module);
        EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
        HANDLE inside = CurrentActivationContext();
        EXPECT_EQ(inside, module->GetActivationContext());
        if (inside)
            ::ReleaseActCtx(inside);
    }
    HANDLE after = CurrentActivationContext();
    EXPECT_EQ(after, before);
    if (after)
        ::ReleaseActCtx(after);
    if (before)
        ::ReleaseActCtx(before);
}

TEST(ModuleStateTest, LeavesTheStateWhenAnExceptionPasses)
{
    CModuleState caller;
    AFX_MANAGE_STATE(&caller);
    const HANDLE before = CurrentActivationContext();
    HANDLE inside = nullptr;
    try {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        inside = CurrentActivationContext();
        throw std::runtime_error("failed inside");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetModuleState(), &caller);
    const HANDLE after = CurrentActivationContext();
    EXPECT_EQ(inside, AfxGetStaticModuleState()->GetActivationContext());
    EXPECT_EQ(after, before) << "the module's context was deactivated";
    for (HANDLE context : {before, inside, after}) {
        if (context)
            ::ReleaseActCtx(context);
    }
}

} // namespace
