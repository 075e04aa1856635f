#include "wizard/confirmation_dialog.h"

#include "config/action_registration.h"
#include "config/setup_selection.h"
#include "resources/resource_ids.h"
#include "wizard/center_window.h"

static void OnInitDialog(HWND dialog)
{
    // Centred over the first page, wherever the user left it.
    CenterWindow(GetParent(dialog), dialog);
    SetDlgItemTextA(dialog, IDC_PRINTER_TEXT, g_selection.PrinterText);
    SetDlgItemTextA(dialog, IDC_FAX_TEXT, g_selection.FaxText);
    SetDlgItemTextA(dialog, IDC_WORD_PROCESSOR_TEXT, g_selection.ProgramPath);
    // Enter confirms at once; returning 0 keeps the focus here.
    SetFocus(GetDlgItem(dialog, IDOK));
}

static void OnCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        ApplySetup();
        EndDialog(dialog, 1);
        break;
    case IDC_PREVIOUS_STEP:
        EndDialog(dialog, 0);
        break;
    // Escape and the close box arrive as IDCANCEL: the page can be left only by
    // confirming or by going back, so they do nothing.
    }
}

INT_PTR CALLBACK ConfirmationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        break;
    case WM_COMMAND:
        OnCommand(dialog, wParam);
        break;
    }
    return 0;
}
