// The optional 3-D control look, from CTL3DV2.DLL when the machine has it.
#pragma once

#include <windows.h>

extern const char kCtl3dLibrary[];  // "CTL3DV2.DLL"

void Apply3dLook(HINSTANCE instance);

// The same, with the library named: lets tests use stand-in libraries.
void Apply3dLookFrom(const char *library, HINSTANCE instance);
