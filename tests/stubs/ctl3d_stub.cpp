// A stand-in for the 3-D control library, built once per behaviour. Every call is
// logged in the process's environment variable CTL3D_CALLS ("register;auto;..."),
// which outlives the library being unloaded.
#include <windows.h>

static void LogCall(const char *name)
{
    char log[512] = "";
    GetEnvironmentVariableA("CTL3D_CALLS", log, sizeof log);
    lstrcatA(log, name);  // test-only: the log stays far below its size
    lstrcatA(log, ";");
    SetEnvironmentVariableA("CTL3D_CALLS", log);
}

extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dRegister(HINSTANCE)
{
    LogCall("register");
#ifdef CTL3D_STUB_REGISTER_FAILS
    return FALSE;
#else
    return TRUE;
#endif
}

#ifndef CTL3D_STUB_NO_AUTO_SUBCLASS
extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dAutoSubClass(HINSTANCE)
{
    LogCall("auto");
#ifdef CTL3D_STUB_AUTO_SUBCLASS_REFUSED
    return FALSE;
#else
    return TRUE;
#endif
}
#endif

extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dUnregister(HINSTANCE)
{
    LogCall("unregister");
    return TRUE;
}
