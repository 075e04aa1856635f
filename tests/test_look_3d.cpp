// The optional 3-D control look: the library is used when it is there and works,
// and taken out again completely when it only half works.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/look_3d.h"

namespace {

// The stand-in libraries log each call in this environment variable.
std::string Calls()
{
    char log[512] = "";
    GetEnvironmentVariableA("CTL3D_CALLS", log, sizeof log);
    return log;
}

TEST(Look3d, AbsentLibraryLeavesThePlainLook)
{
    SetEnvironmentVariableA("CTL3D_CALLS", "");
    Apply3dLook(GetModuleHandleA(NULL));
    EXPECT_EQ(GetModuleHandleA(kCtl3dLibrary), nullptr);
    EXPECT_EQ(Calls(), "");
}

TEST(Look3d, EachBehaviourOfTheLibrary)
{
    struct Case {
        const char *library;
        const char *calls;
        bool staysLoaded;
    } cases[] = {
        {"ctl3d_ok.dll", "register;auto;", true},
        {"ctl3d_register_fails.dll", "register;", true},
        {"ctl3d_no_auto_subclass.dll", "register;unregister;", false},
        {"ctl3d_auto_subclass_refused.dll", "register;auto;unregister;", false},
    };
    for (const Case &c : cases) {
        SetEnvironmentVariableA("CTL3D_CALLS", "");
        Apply3dLookFrom(c.library, GetModuleHandleA(NULL));
        EXPECT_EQ(Calls(), c.calls) << c.library;
        EXPECT_EQ(GetModuleHandleA(c.library) != NULL, c.staysLoaded) << c.library;
    }
}

}  // namespace
