#include "app/look_3d.h"

const char kCtl3dLibrary[] = "CTL3DV2.DLL";

typedef BOOL(WINAPI *Ctl3dCall)(HINSTANCE);

static HMODULE s_ctl3dModule;

void Apply3dLook(HINSTANCE instance)
{
    Apply3dLookFrom(kCtl3dLibrary, instance);
}

void Apply3dLookFrom(const char *library, HINSTANCE instance)
{
    OFSTRUCT found;
    if (OpenFile(library, &found, OF_EXIST) == HFILE_ERROR)
        return;
    s_ctl3dModule = LoadLibraryA(library);
    if (s_ctl3dModule == NULL)
        return;
    Ctl3dCall registerLook = reinterpret_cast<Ctl3dCall>(
        reinterpret_cast<void *>(GetProcAddress(s_ctl3dModule, "Ctl3dRegister")));
    if (registerLook == NULL || !registerLook(instance))
        return;
    Ctl3dCall autoSubclass = reinterpret_cast<Ctl3dCall>(
        reinterpret_cast<void *>(GetProcAddress(s_ctl3dModule, "Ctl3dAutoSubClass")));
    if (autoSubclass != NULL && autoSubclass(instance))
        return;  // the look is in force for the rest of the run
    // Registered but not subclassing: take the library out again, so the pages
    // open with the plain look and nothing of it is left half-applied.
    Ctl3dCall unregisterLook = reinterpret_cast<Ctl3dCall>(
        reinterpret_cast<void *>(GetProcAddress(s_ctl3dModule, "Ctl3dUnregister")));
    if (unregisterLook != NULL)
        unregisterLook(instance);
    FreeLibrary(s_ctl3dModule);
    s_ctl3dModule = NULL;
}
