// The second wizard page (template 102): shows the choices and applies them on OK.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ConfirmationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
