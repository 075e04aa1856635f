// The hidden SetupWindow: owner of the first page and marker of a running wizard.
#pragma once

#include <windows.h>

extern const char kSetupWindowClass[];  // "Setup Fax Printer"
extern const char kSetupWindowTitle[];  // "FP Installation"

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The whole run, as WinMain performs it; returns the exit code (always 0).
int RunWizard(HINSTANCE instance);
