#include "wizard/selection_dialog.h"

#include "app/bounded_text.h"
#include "app/run_state.h"
#include "config/kovelt_ini.h"
#include "config/setup_selection.h"
#include "printers/printer_lists.h"
#include "programs/processor_codes.h"
#include "programs/registered_program.h"
#include "programs/word_processor_list.h"
#include "resources/resource_ids.h"
#include "wizard/center_window.h"
#include "wizard/confirmation_dialog.h"

enum {
    // A word-processor entry: the seven-character list prefix and a whole description.
    kWordProcessorEntrySize = kListPrefixLength + kRegistryValueSize,
    // The install directory as read, then "rlyoset.hlp" (11 characters) behind it,
    // so the help path is never cut short of its file name.
    kHelpPathSize = kInstallDirectorySize + 11,
};

void ReadSelections(HWND dialog)
{
    // A drop-down list's window text is its selected entry, or "" without one.
    GetWindowTextA(GetDlgItem(dialog, IDC_PRINTER_LIST), g_selection.PrinterText,
                   sizeof g_selection.PrinterText);
    GetWindowTextA(GetDlgItem(dialog, IDC_FAX_LIST), g_selection.FaxText,
                   sizeof g_selection.FaxText);
}

static void OnInitDialog(HWND dialog)
{
    CenterWindow(NULL, dialog);
    InitPrinterList(dialog, g_printerTable);
    InitFaxList(dialog, g_printerTable);
    InitWordProcessorList(dialog);
}

// The page closes for good: the lists hold their own copies of the printer names,
// so the table is no longer needed.
static void ClosePage(HWND dialog)
{
    ReleasePrinterTable();
    EndDialog(dialog, 1);
}

static void OnOk(HWND dialog)
{
    ReadSelections(dialog);
    ShowWindow(dialog, SW_HIDE);
    INT_PTR result = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONFIRMATION), dialog,
                                     ConfirmationDialogProc, 0);
    if (result == 0) {
        // "Previous Step": back to this page, with the lists as the user left them.
        ShowWindow(dialog, SW_SHOW);
        return;
    }
    // Confirmed, or the confirmation page could not be made: the wizard ends.
    ClosePage(dialog);
}

static void OnWordProcessorChange(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_WORD_PROCESSOR_LIST);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    char entry[kWordProcessorEntrySize];
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= static_cast<LRESULT>(sizeof entry))
        return;  // not one of the entries this page made
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
    // The entry begins with its list prefix: "*.DOC" and so on.
    entry[kListPrefixKeyLength] = '\0';
    SelectWordProcessorCode(entry);
    // The extension in capitals (".DOC") finds the same file type as in small letters.
    char description[kRegistryValueSize];
    char programPath[kProgramPathSize];
    if (LookUpWordProcessor(entry + 1, description, programPath))
        CopyText(g_selection.ProgramPath, sizeof g_selection.ProgramPath, programPath);
}

static void OnHelp(HWND dialog)
{
    char directory[kInstallDirectorySize];
    ReadKoveltText(kSectionKoveltSystem, kKeyInstallDirectory, "", directory, sizeof directory);
    // The directory is expected to end in a separator; none is inserted.
    char helpPath[kHelpPathSize];
    if (!JoinText(helpPath, sizeof helpPath, directory, kHelpFileName, NULL))
        return;  // a cut path would name another file
    WinHelpA(dialog, helpPath, HELP_CONTENTS, 0);
}

static void OnCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOk(dialog);
        break;
    case IDCANCEL:
        ClosePage(dialog);
        break;
    case IDC_WORD_PROCESSOR_LIST:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            OnWordProcessorChange(dialog);
        break;
    case IDC_HELP_BUTTON:
        OnHelp(dialog);
        break;
    }
}

INT_PTR CALLBACK SelectionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        break;
    case WM_COMMAND:
        OnCommand(dialog, wParam);
        break;
    }
    // The page sets no focus of its own and leaves everything else to the platform.
    return 0;
}
