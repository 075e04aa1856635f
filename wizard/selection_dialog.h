// The first wizard page (template 101): printer, fax device and word processor.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SelectionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the visible texts of the printer and fax lists into the selection.
void ReadSelections(HWND dialog);
