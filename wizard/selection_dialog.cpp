#include "wizard/selection_dialog.h"

INT_PTR CALLBACK SelectionDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

void ReadSelections(HWND)
{
}
