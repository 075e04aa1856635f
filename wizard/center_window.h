// Placing a wizard page centred over another window or the desktop.
#pragma once

#include <windows.h>

// Centres window over reference (the desktop when reference is NULL). The window is
// moved only when both new coordinates are 0 or more.
void CenterWindow(HWND reference, HWND window);

// The centring arithmetic: halves truncate toward zero. Returns false when either
// coordinate would be negative (the window then stays where it is).
bool CenteredPosition(const RECT *reference, const RECT *window, int *x, int *y);
